// The toolbar's thirteen buttons, one table: their image in the strip, their id, the menu
// command each stands for, and their style. The tooltip of a button is the string of its id.
#pragma once

#include <windows.h>

namespace marevo {

struct ToolbarButton {
    int image, id;
    int command; // the menu command it stands for; 0 for the bar-graph toggle
    BYTE style;
};

constexpr int ToolbarButtonCount = 13;
extern const ToolbarButton ToolbarButtons[ToolbarButtonCount];
// Where separators are inserted after the buttons are placed (positions among them).
extern const int ToolbarSeparators[4];

// The menu command of a toolbar button; 0 for another id or for the bar-graph toggle.
int MenuCommandOf(int id);
bool IsToolbarButton(int id);

} // namespace marevo
