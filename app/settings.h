// The settings file marevo.ini beside the executable (or, where its folder cannot be written,
// in %APPDATA%\Marevo): window placement, tree width and expansion, display period, graph
// style, the last port and the printer settings.
#pragma once

#include "app/app_state.h"

namespace marevo {

// Reads every key into app.settings (defaults for what is missing). Needs app.IniPath.
void LoadSettings(AppState& app);
// Writes every key, reading the tree expansion, the site labels and the window placement
// from the live windows. The file is replaced whole; a failed write leaves the old file as
// it was and is said once a run (TextSettingsNotSaved).
void SaveSettings(AppState& app);
// Writes the two printer keys (also used when the print settings are confirmed).
void SavePrinterSettings(AppState& app);

} // namespace marevo
