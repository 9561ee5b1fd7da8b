// The graph pane: the right pane holding the canvas of the current view, its off-screen
// surface, scrolling, the day-cell hover highlight and the click that opens a day; and the
// layout of both panes below the toolbar. Pixels.
#pragma once

#include "app/app_state.h"

namespace marevo {

LRESULT CALLBACK GraphPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam);

// A new off-screen surface at the canvas's client size, filled with the button-face colour
// (the old one released).
void CreateOffscreen(AppState& app);

// Places the tree pane and the graph pane and sets the pane's scroll bars.
void LayoutPanes(AppState& app);

// Cell under pane point (x, y): cursor, XOR highlight and the hover fields.
void TrackHover(AppState& app, HWND pane, int x, int y);
// Erases the highlighted cell, if any, from the screen (the mouse has left the pane).
void EraseHighlight(AppState& app);

} // namespace marevo
