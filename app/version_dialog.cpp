// The version dialog: bold underlined program name, the version and mail texts, and the
// web-address link with its own painting and hand cursor.
#include "app/version_dialog.h"

#include <cstring>
#include <string>

#include "views/gdi/gdi_scope.h"
#include "app/screen_scale.h"
#include "app/ids.h"
#include "app/system_text.h"
#include "app/ui_seam.h"

namespace marevo {

namespace {

const char TextFace[] = "ＭＳ Ｐゴシック";
constexpr int LinkTextChars = 99;

// The dialog is modal and single: its fonts (in the AppState) are held until it goes.

HFONT MakeTextFont(bool underline)
{
    return CreateFontW(Scaled(App(), 12), 0, 0, 0, 0, FALSE, underline, FALSE, DEFAULT_CHARSET,
                       0, 0, 0, 0,
                       WideFromSjis(TextFace).c_str());
}

LRESULT CALLBACK LinkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        ScopedPaint paint(link);
        const HDC dc = paint.get();
        RECT r = {};
        GetClientRect(link, &r);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        ScopedSelectObject font(dc, App().VersionLinkFont.get());
        SetTextColor(dc, RGB(0, 0, 255));
        SetBkMode(dc, TRANSPARENT);
        const std::wstring web = WideFromSjis(App().WebText);
        TextOutW(dc, 0, 0, web.c_str(), static_cast<int>(web.size()));
        return 0;
    }
    case WM_SETCURSOR:
        SetCursor(LoadCursorA(App().Instance, MAKEINTRESOURCEA(IDR_HAND_CURSOR)));
        return TRUE;
    default:
        return CallWindowProcW(App().LinkPrevious, link, message, wParam, lParam);
    }
}

void Initialise(const AppState& app, HWND dialog)
{
    HWND name = GetDlgItem(dialog, IDC_NAME);
    LOGFONTW face = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(name, WM_GETFONT, 0, 0)), sizeof face, &face);
    face.lfHeight = Scaled(app, 17);
    face.lfWeight = FW_BOLD;
    face.lfUnderline = TRUE;
    App().VersionNameFont.reset(CreateFontIndirectW(&face));
    SendMessageA(name, WM_SETFONT, reinterpret_cast<WPARAM>(App().VersionNameFont.get()), TRUE);

    // The version and mail texts take the place of the placeholders, in the 12-dot face.
    App().VersionTextFont.reset(MakeTextFont(false));
    App().VersionLinkFont.reset(MakeTextFont(true));
    const struct { int id; const char* text; } texts[] = {
        {IDC_VERSION_TEXT, app.VersionText},
        {IDC_MAIL, app.MailText},
    };
    for (const auto& row : texts) {
        SetSjisText(GetDlgItem(dialog, row.id), row.text);
        SendDlgItemMessageA(dialog, row.id, WM_SETFONT,
                            reinterpret_cast<WPARAM>(App().VersionTextFont.get()), TRUE);
    }

    HWND link = GetDlgItem(dialog, IDC_WEB);
    App().LinkPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LinkProc)));
}

// The link's text is a web address, or the name of a page beside the program (the help
// page that comes with it), which is opened from the program's folder.
void OpenLink(const AppState& app, HWND dialog)
{
    char address[LinkTextChars + 1] = {};
    GetSjisText(GetDlgItem(dialog, IDC_WEB), address, sizeof address);
    const std::string target = std::strstr(address, "://") ? std::string(address)
                                                             : std::string(app.ModuleDir) + address;
    OpenDocument(target.c_str()); // nothing is said when the shell cannot open it
}

void Release(HWND dialog)
{
    HWND link = GetDlgItem(dialog, IDC_WEB);
    if (link && App().LinkPrevious)
        SetWindowLongPtrW(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(App().LinkPrevious));
    App().LinkPrevious = nullptr;
    for (ScopedGdiObj<HFONT>* font :
         {&App().VersionNameFont, &App().VersionTextFont, &App().VersionLinkFont})
        font->reset();
}

INT_PTR CALLBACK VersionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        Initialise(*reinterpret_cast<AppState*>(lParam), dialog);
        return TRUE;
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        if (id != IDC_VERSION_TEXT && id != IDC_MAIL) return FALSE;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, id == IDC_MAIL ? RGB(0, 64, 0) : RGB(0, 0, 0));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CLOSE:
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDC_WEB && HIWORD(wParam) == STN_CLICKED) {
            OpenLink(App(), dialog);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        Release(dialog);
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR ShowVersionDialog(AppState& app, HWND owner)
{
    return DialogBoxParamW(app.Instance, MAKEINTRESOURCEW(IDD_VERSION), owner, VersionProc,
                           reinterpret_cast<LPARAM>(&app));
}

} // namespace marevo
