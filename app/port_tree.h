// The port tree: the left pane with the regions, the coastal prefectures and the ports
// found in dt\ beside the executable; a port chosen in it is handed to the session.
#pragma once

#include "app/app_state.h"

namespace marevo {

LRESULT CALLBACK PortTreeProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam);

// Inserts every node into the tree control and fills app.RegionItems / PrefectureItems.
void FillPortTree(AppState& app, HWND tree);

// Expands the nodes whose flags the settings hold.
void ApplyTreeExpansion(AppState& app);

// Text of a tree node, at most MaxNodeText bytes; empty for no node.
void NodeText(HWND tree, HTREEITEM item, char* out, int size);

} // namespace marevo
