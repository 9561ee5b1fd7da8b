// The toolbar's buttons (see toolbar.h).
#include "app/toolbar.h"

#include <commctrl.h>

#include "app/ids.h"

namespace marevo {

const ToolbarButton ToolbarButtons[ToolbarButtonCount] = {
    {0, TB_REDRAW, CMD_REDRAW, TBSTYLE_BUTTON},
    {1, TB_PRINT, CMD_PRINT, TBSTYLE_BUTTON},
    {2, TB_COPY, CMD_COPY, TBSTYLE_BUTTON},
    {3, TB_MINUS7, CMD_MINUS7, TBSTYLE_BUTTON},
    {4, TB_MINUS1, CMD_MINUS1, TBSTYLE_BUTTON},
    {5, TB_TODAY, CMD_TODAY, TBSTYLE_BUTTON},
    {6, TB_PLUS1, CMD_PLUS1, TBSTYLE_BUTTON},
    {7, TB_PLUS7, CMD_PLUS7, TBSTYLE_BUTTON},
    {8, TB_BARS, 0, TBSTYLE_CHECK},
    {9, TB_PERIOD1, CMD_PERIOD1, TBSTYLE_CHECKGROUP},
    {10, TB_PERIOD7, CMD_PERIOD7, TBSTYLE_CHECKGROUP},
    {11, TB_PERIOD42, CMD_PERIOD42, TBSTYLE_CHECKGROUP},
    {12, TB_TABLE, CMD_TABLE, TBSTYLE_CHECKGROUP},
};

const int ToolbarSeparators[4] = {2, 4, 10, 12};

int MenuCommandOf(int id)
{
    for (const ToolbarButton& button : ToolbarButtons)
        if (button.id == id) return button.command;
    return 0;
}

bool IsToolbarButton(int id)
{
    for (const ToolbarButton& button : ToolbarButtons)
        if (button.id == id) return true;
    return false;
}

} // namespace marevo
