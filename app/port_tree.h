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

// Selects the node of the port the toolbar labels name and scrolls it into sight, its
// region and prefecture opened; the picture is not drawn again. No such node: nothing.
void RevealShownPort(AppState& app);

// Outer width of the tree pane that shows a port name of four full-width characters
// whole beside the tree's vertical scroll bar, in the tree's own font. Pixels.
int FittingTreeWidth(const AppState& app);

// Text of a tree node, at most MaxNodeText bytes; empty for no node.
void NodeText(HWND tree, HTREEITEM item, char* out, int size);

} // namespace marevo
