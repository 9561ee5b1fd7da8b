// The two places where the program hands control to the user or to another program: its
// message boxes and the opening of a document (help). Tests replace them so nothing blocks.
#pragma once

namespace marevo {

// Shows a modal message box without owner and with one OK button (Shift-JIS texts).
using MessageBoxHook = void (*)(const char* text, const char* caption);
// Opens a file with the shell's default action; returns true when it was opened.
using OpenDocumentHook = bool (*)(const char* path);

void ShowMessage(const char* text, const char* caption);
bool OpenDocument(const char* path);

// Replace the hooks (nullptr restores the platform's). Returns the previous hook.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
OpenDocumentHook SetOpenDocumentHook(OpenDocumentHook hook);

// The program's messages.
extern const char TextCannotOpen[];   // "ファイルがオープンできませんでした"
extern const char TextNoPort[];       // "港が選択されていません"
extern const char TextSunError[];     // "日の出計算でエラー発生"
extern const char TextNoHelp[];       // "ヘルプファイルがオープンできませんでした"
extern const char TextFailed[];       // "失敗です"
extern const char TextNoHandle[];     // "ハンドルなし"
extern const char TextSettingsNotSaved[]; // "設定を保存できませんでした（marevo.ini は前のままです）"
extern const char CaptionError[];     // "error!"

} // namespace marevo
