// Printing through the platform's print dialog into a printer context whose mapping scales
// the view's pixels by the print magnification; the view is prepared apart from the
// screen's (PrepareView with the print colour). Printer dots; view units.
#include "app/printing.h"

#include <commdlg.h>

#include "views/gdi/gdi_scope.h"
#include "app/refresh.h"
#include "app/ui_seam.h"
#include "text/wide_text.h"
#include "views/gdi/gdi_canvas.h"
#include "views/prepare_view.h"

namespace marevo {

const char TextBadRatio[] = "印刷倍率が正しくありません（0.1 から 999.9 まで）";

namespace {

const char DocumentName[] = "Marevo 印刷";

HDC PlatformPrinterDialog(HWND owner)
{
    PRINTDLGW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE |
                   PD_HIDEPRINTTOFILE;
    dialog.nFromPage = dialog.nToPage = dialog.nMinPage = dialog.nMaxPage = 1;
    dialog.nCopies = 1;
    if (!PrintDlgW(&dialog)) return nullptr;
    // The dialog's device mode and names are not kept between prints.
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    return dialog.hDC;
}

PrinterDialogHook printerDialog = PlatformPrinterDialog;

} // namespace

PrinterDialogHook SetPrinterDialogHook(PrinterDialogHook hook)
{
    PrinterDialogHook old = printerDialog;
    printerDialog = hook ? hook : PlatformPrinterDialog;
    return old;
}

void PrintView(AppState& app, HWND owner)
{
    // A ratio of 0 (or one read from an edited file) would map the whole view onto no dot.
    if (!IsPrintableRatio(app.settings.PrinterRatio)) {
        ShowMessage(TextBadRatio, CaptionError);
        return;
    }
    const HDC printer = printerDialog(owner);
    if (!printer) return;
    ScopedDC printerScope(printer);

    SetMapMode(printer, MM_ISOTROPIC);
    const int dpiX = GetDeviceCaps(printer, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(printer, LOGPIXELSY);
    SetWindowExtEx(printer, dpiX, dpiY, nullptr);
    SetViewportExtEx(printer, static_cast<int>(dpiX * app.settings.PrinterRatio),
                     static_cast<int>(dpiY * app.settings.PrinterRatio), nullptr);
    SetViewportOrgEx(printer, 0, 0, nullptr);

    const std::wstring documentName = WideFromSjis(DocumentName);
    DOCINFOW document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName.c_str();
    StartDocW(printer, &document);
    StartPage(printer);

    {
        // Prepared apart from the screen's picture, in the print colour.
        GdiCanvas canvas(printer);
        app.session.RenderForPrint(canvas, app.settings.PrinterColor);
    }

    EndPage(printer);
    EndDoc(printer);
}

} // namespace marevo
