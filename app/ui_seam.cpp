// Message boxes and document opening through the platform, replaceable by the tests.
#include "app/ui_seam.h"

#include <windows.h>
#include <shellapi.h>

#include "text/wide_text.h"

namespace marevo {

const char TextCannotOpen[] = "ファイルがオープンできませんでした";
const char TextNoPort[] = "港が選択されていません";
const char TextSunError[] = "日の出計算でエラー発生";
const char TextNoHelp[] = "ヘルプファイルがオープンできませんでした";
const char TextFailed[] = "失敗です";
const char TextNoHandle[] = "ハンドルなし";
const char TextSettingsNotSaved[] = "設定を保存できませんでした（marevo.ini は前のままです）";
const char CaptionError[] = "error!";

namespace {

void PlatformMessageBox(const char* text, const char* caption)
{
    MessageBoxW(nullptr, WideFromSjis(text).c_str(), WideFromSjis(caption).c_str(), MB_OK);
}

bool PlatformOpen(const char* path)
{
    HINSTANCE result = ShellExecuteW(nullptr, L"open", WideFromSjis(path).c_str(), nullptr,
                                     nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

MessageBoxHook messageBox = PlatformMessageBox;
OpenDocumentHook openDocument = PlatformOpen;

} // namespace

void ShowMessage(const char* text, const char* caption) { messageBox(text, caption); }
bool OpenDocument(const char* path) { return openDocument(path); }

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook)
{
    MessageBoxHook old = messageBox;
    messageBox = hook ? hook : PlatformMessageBox;
    return old;
}

OpenDocumentHook SetOpenDocumentHook(OpenDocumentHook hook)
{
    OpenDocumentHook old = openDocument;
    openDocument = hook ? hook : PlatformOpen;
    return old;
}

} // namespace marevo
