// What the window does with the Session's answers: the toolbar's date and site labels, the
// period and style marks show the session's state; a new picture is drawn into the
// off-screen surface at the session's canvas size; its messages are said.
#pragma once

#include "app/app_state.h"

namespace marevo {

// Shows what a command changed, draws the picture again when the outcome asks for it and
// says its message (after the drawing, so the picture is complete behind it).
void ShowOutcome(AppState& app, const Outcome& outcome);

// The redraw command: the port's file read again and the picture drawn again.
void RefreshDisplay(AppState& app);

// The date and site labels, the period and style marks as the session holds them.
void ShowChoices(AppState& app);

} // namespace marevo
