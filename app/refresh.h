// RefreshDisplay: the one path from the state to a new picture. Date labels, the selected
// port's station file, then PrepareView (constituents, tide table, vertical scale, palette,
// canvas size) into the state's records, and the off-screen drawing.
#pragma once

#include "app/app_state.h"
#include "views/view_model.h"

namespace marevo {

// Redraws the view of the current date, port, period and style and invalidates window.
// A missing selection or station file is reported and leaves the old picture.
void RefreshDisplay(AppState& app, HWND window);

// What the views draw from: the state's date, station, tables, scale, style and palette.
ViewModel ViewModelOf(const AppState& app);

} // namespace marevo
