// The print settings dialog: ratio field, colour choice, OK and cancel.
#include "app/print_dialog.h"

#include <cstdlib>
#include <string>

#include "app/ids.h"
#include "app/printing.h"
#include "app/settings.h"
#include "app/system_text.h"
#include "app/ui_seam.h"
#include "shell/settings_values.h"

namespace marevo {

namespace {

constexpr int RatioFieldChars = TypedRatioChars;

void Initialise(const AppState& app, HWND dialog)
{
    const std::string ratio = RatioText(app.settings.PrinterRatio);
    SetSjisText(GetDlgItem(dialog, IDC_RATIO), ratio.empty() ? " 1.0" : ratio.c_str());
    const bool mono = app.settings.PrinterColor == 0;
    CheckDlgButton(dialog, IDC_MONO, mono ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_COLOUR, mono ? BST_UNCHECKED : BST_CHECKED);
}

// Returns false when the magnification was refused (the field is selected for a new try).
bool Confirm(AppState& app, HWND dialog)
{
    char text[RatioFieldChars + 1] = {};
    GetSjisText(GetDlgItem(dialog, IDC_RATIO), text, sizeof text);
    double ratio = 0;
    if (!ReadTypedRatio(text, ratio)) {
        ShowMessage(TextBadRatio, CaptionError);
        HWND field = GetDlgItem(dialog, IDC_RATIO);
        SetFocus(field);
        SendMessageA(field, EM_SETSEL, 0, -1);
        return false;
    }
    app.settings.PrinterRatio = ratio;
    app.settings.PrinterColor = IsDlgButtonChecked(dialog, IDC_COLOUR) == BST_CHECKED ? 1 : 0;
    SavePrinterSettings(app);
    return true;
}

INT_PTR CALLBACK PrintSettingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        Initialise(*reinterpret_cast<AppState*>(lParam), dialog);
        return TRUE;
    case WM_COMMAND: {
        AppState& app = *reinterpret_cast<AppState*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (LOWORD(wParam) == IDOK) {
            if (Confirm(app, dialog)) EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR ShowPrintSettings(AppState& app, HWND owner)
{
    return DialogBoxParamW(app.Instance, MAKEINTRESOURCEW(IDD_PRINT_SETTINGS), owner,
                           PrintSettingsProc, reinterpret_cast<LPARAM>(&app));
}

} // namespace marevo
