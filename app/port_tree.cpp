// Port tree pane: the tree-view control, its regions and prefectures (shell/prefectures),
// the ports listed from dt\, and the handling of a selection.
#include "app/port_tree.h"

#include <cstring>
#include <string>

#include "app/graph_pane.h"
#include "app/ids.h"
#include "app/refresh.h"
#include "app/system_text.h"
#include "views/gdi/gdi_scope.h"
#include "shell/prefectures.h"
#include "text/shift_jis.h"

namespace marevo {

namespace {

HTREEITEM InsertNode(HWND tree, HTREEITEM parent, const char* text)
{
    std::wstring wide = WideFromSjis(text);
    TVINSERTSTRUCTW insert = {};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = &wide[0];
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void ListPortFiles(AppState& app, HWND tree)
{
    const std::wstring pattern = WideFromSjis(std::string(app.ModuleDir) + "dt\\*");
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue; // ".", ".." too
        const PortFileName entry = ParsePortFileName(SjisFromWide(found.cFileName).c_str());
        HTREEITEM parent = IsTreeCode(entry.code) ? app.PrefectureItems[entry.code] : nullptr;
        InsertNode(tree, parent, entry.port.c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

void OnCreate(HWND pane)
{
    AppState& app = App();
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);
    app.TreeControl = CreateWindowExW(
        0, WC_TREEVIEWW, L"",
        WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
            TVS_SHOWSELALWAYS,
        0, 0, 0, 0, pane, reinterpret_cast<HMENU>(ID_TREE), app.Instance, nullptr);
    FillPortTree(app, app.TreeControl);
}

void OnSize(int width, int height)
{
    AppState& app = App();
    MoveWindow(app.TreeControl, 0, 0, width, height, TRUE);
    LayoutPanes(app);
}

// A region or prefecture node: a place that holds ports, never a port itself.
bool IsPlaceNode(const AppState& app, HTREEITEM node)
{
    for (HTREEITEM item : app.RegionItems)
        if (item && item == node) return true;
    for (HTREEITEM item : app.PrefectureItems)
        if (item && item == node) return true;
    return false;
}

// The text of a parent node as the tree was filled with it: a prefecture's (or 北海道's,
// その他's) name, a region's, or "" for the root.
std::string ParentText(const AppState& app, HTREEITEM parent)
{
    if (!parent) return std::string();
    for (int k = 0; k < PrefectureCodes; ++k)
        if (app.PrefectureItems[k] == parent) return TreeNameOfCode(k);
    for (int i = 1; i <= RegionCount; ++i)
        if (app.RegionItems[i] == parent) return Utf8ToSjis(RegionName(i));
    return std::string();
}

void OnSelection(HTREEITEM node)
{
    AppState& app = App();
    HWND tree = app.TreeControl;
    // Choosing a place (a region or a prefecture, with ports or without, such as その他)
    // shows nothing and changes nothing: the port shown, its labels and the commands stay as
    // they were; so does the selection the program itself makes to show the port.
    if (app.RevealingPort || !node || IsPlaceNode(app, node)) return;
    HTREEITEM parent = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(node)));
    char portText[MaxNodeText + 1];
    NodeText(tree, node, portText, sizeof portText);
    ShowOutcome(app, app.session.ChooseSite({ParentText(app, parent), portText}));
}

} // namespace

void FillPortTree(AppState& app, HWND tree)
{
    for (int i = 1; i <= RegionCount; ++i)
        app.RegionItems[i] = InsertNode(tree, nullptr, Utf8ToSjis(RegionName(i)).c_str());
    app.PrefectureItems[HokkaidoCode] = app.RegionItems[1];
    // Under each region its coastal prefectures in code order.
    for (const Prefecture& row : Prefectures)
        if (row.region > 1)
            app.PrefectureItems[row.code] =
                InsertNode(tree, app.RegionItems[row.region], Utf8ToSjis(row.name).c_str());
    app.PrefectureItems[OtherCode] = app.RegionItems[OtherRegion];
    ListPortFiles(app, tree);
}

void ApplyTreeExpansion(AppState& app)
{
    for (int i = 1; i <= RegionCount; ++i)
        if (app.settings.RegionExpanded[i] == 1)
            SendMessageA(app.TreeControl, TVM_EXPAND, TVE_EXPAND,
                         reinterpret_cast<LPARAM>(app.RegionItems[i]));
    for (int k = 0; k < PrefectureCodes; ++k)
        if (app.PrefectureItems[k] && app.settings.PrefectureExpanded[k] == 1)
            SendMessageA(app.TreeControl, TVM_EXPAND, TVE_EXPAND,
                         reinterpret_cast<LPARAM>(app.PrefectureItems[k]));
}

void NodeText(HWND tree, HTREEITEM item, char* out, int size)
{
    out[0] = '\0';
    if (!tree || !item) return;
    // The tree keeps at most 256 characters of a text (the longest port name listed).
    wchar_t wide[257] = {};
    TVITEMW tv = {};
    tv.mask = TVIF_TEXT | TVIF_HANDLE;
    tv.hItem = item;
    tv.pszText = wide;
    tv.cchTextMax = sizeof wide / sizeof wide[0];
    if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv))) return;
    wide[256] = L'\0';
    const std::string text = SjisFromWide(tv.pszText, static_cast<size_t>(size - 1));
    std::memcpy(out, text.c_str(), text.size() + 1);
}

void RevealShownPort(AppState& app)
{
    const Site& site = app.session.ChosenSite();
    const int code = TreeCodeOfName(site.prefecture);
    if (code < 0 || !app.PrefectureItems[code] || site.port.empty()) return;
    HWND tree = app.TreeControl;
    HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageW(
        tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(app.PrefectureItems[code])));
    for (; item; item = reinterpret_cast<HTREEITEM>(SendMessageW(
                     tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        char text[MaxNodeText + 1];
        NodeText(tree, item, text, sizeof text);
        if (site.port != text) continue;
        app.RevealingPort = true;
        SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        app.RevealingPort = false;
        SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
        return;
    }
}

int FittingTreeWidth(const AppState& app)
{
    HWND tree = app.TreeControl;
    SIZE four = {};
    {
        ScopedGetDC dc(tree);
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(tree, WM_GETFONT, 0, 0));
        ScopedSelectObject selected(dc.get(), font ? static_cast<HGDIOBJ>(font)
                                                   : GetStockObject(DEFAULT_GUI_FONT));
        GetTextExtentPoint32W(dc.get(), L"八丈神湊", 4, &four);
    }
    // A port's text starts three indents in (lines at the root, region, prefecture) and
    // is drawn with a few pixels of room on either side.
    const int indent = static_cast<int>(SendMessageW(tree, TVM_GETINDENT, 0, 0));
    const int text = 3 * indent + four.cx + 8;
    // Beside it the scroll bar, and the borders of the tree, the pane's client edge and its
    // sizing frame on both sides.
    const int borders = 2 * (GetSystemMetrics(SM_CXBORDER) + GetSystemMetrics(SM_CXEDGE) +
                             GetSystemMetrics(SM_CXFRAME));
    return text + GetSystemMetrics(SM_CXVSCROLL) + borders;
}

LRESULT CALLBACK PortTreeProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate(pane);
        return 0;
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        // The wide control tells a wide pane in the wide form; both carry the node alike.
        if (header->idFrom == ID_TREE && header->code == TVN_SELCHANGEDW)
            OnSelection(reinterpret_cast<const NMTREEVIEWW*>(lParam)->itemNew.hItem);
        else if (header->idFrom == ID_TREE && header->code == TVN_SELCHANGEDA)
            OnSelection(reinterpret_cast<const NMTREEVIEWA*>(lParam)->itemNew.hItem);
        return 0;
    }
    default:
        return DefWindowProcW(pane, message, wParam, lParam);
    }
}

} // namespace marevo
