// Printing: the view of the current display period on one page, scaled by the print
// magnification (one view unit = PrinterRatio printer dots) and in colour or monochrome.
#pragma once

#include <windows.h>

#include "app/app_state.h"

namespace marevo {

// Asks the user for a printer and returns its device context, or nullptr when cancelled.
// The caller deletes the context.
using PrinterDialogHook = HDC (*)(HWND owner);
// Replace the dialog (nullptr restores the platform's print dialog). Returns the previous.
PrinterDialogHook SetPrinterDialogHook(PrinterDialogHook hook);

// "印刷倍率が正しくありません" ...: said instead of printing an empty page.
extern const char TextBadRatio[];

// PrintView: prints the view of app's display period on one page.
// Given: the owner of the print dialog; the date, period, station, vertical scale and tide
// table of the last refresh and the printer settings in app.
// Returns: nothing; app's calendar, constituent tables and palette are left prepared for the
// printed date in the printing colours (the next refresh sets the screen's again).
// A ratio that would print nothing is reported and nothing is printed.
void PrintView(AppState& app, HWND owner);

} // namespace marevo
