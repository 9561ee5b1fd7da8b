// Numbers shared by the resource script and the window program: resources, commands and
// child-window ids.
#pragma once

#define IDM_MAIN 101
#define IDA_MAIN 138
#define IDB_TOOLBAR 146
#define IDI_MAREVO 111
#define IDR_HAND_CURSOR 200
#define IDD_VERSION 167
#define IDD_PRINT_SETTINGS 173

#define CMD_EXIT 40001
#define CMD_COPY 40007
#define CMD_REDRAW 40009
#define CMD_TODAY 40010
#define CMD_MINUS7 40011
#define CMD_MINUS1 40012
#define CMD_PLUS1 40013
#define CMD_PLUS7 40014
#define CMD_PRINT 40015
#define CMD_PERIOD1 40018
#define CMD_PERIOD7 40019
#define CMD_PERIOD42 40020
#define CMD_BARS 40021
#define CMD_LINES 40022
#define CMD_HELP 40023
#define CMD_VERSION 40024
#define CMD_TABLE 40025
#define CMD_PRINT_SETTINGS 40048

#define TB_REDRAW 40029
#define TB_PRINT 40030
#define TB_COPY 40031
#define TB_MINUS7 40032
#define TB_MINUS1 40033
#define TB_TODAY 40034
#define TB_PLUS1 40035
#define TB_PLUS7 40036
#define TB_BARS 40037
#define TB_PERIOD1 40038
#define TB_PERIOD7 40039
#define TB_PERIOD42 40040
#define TB_TABLE 40041

#define STR_VERSION 40042
#define STR_MAIL 40043
#define STR_WEB 40044

#define ID_SITE_BOX 1000
#define ID_PREF_LABEL 1001
#define ID_PORT_LABEL 1002
#define ID_YEAR_LABEL 1010
#define ID_MONTH_LABEL 1011
#define ID_DAY_LABEL 1012
#define ID_CALENDAR_BUTTON 1013
#define ID_CANVAS 1040
#define ID_GRAPH_PANE 1041
#define ID_TREE_PANE 1042
#define ID_TREE 1043
#define ID_TOOLBAR 146

/* Print settings dialog */
#define IDC_RATIO 1014
#define IDC_COLOUR 1015
#define IDC_MONO 1016
#define IDC_RATIO_LABEL 1017
#define IDC_COLOUR_LABEL 1018
/* Version dialog */
#define IDC_WEB 1004
#define IDC_MAIL 1005
#define IDC_NOTICE1 1006
#define IDC_NOTICE2 1007
#define IDC_NAME 1008
#define IDC_VERSION_TEXT 1009
