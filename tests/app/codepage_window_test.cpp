// The program under the system code page of each test run (932; 1252 of an English
// Windows; 65001 of the UTF-8 option): the ports open from dt\, the tree, the labels, the
// menu and the message boxes show the Japanese names, the picture is the one drawn under
// the Japanese code page, and marevo.ini keeps its Shift-JIS texts from one start to the next.
#include <cstdio>
#include <string>
#include <vector>

#include "program_fixture.h"
#include "window_probe.h"

#include "app/ids.h"
#include "app/refresh.h"
#include "app/ui_seam.h"

namespace marevo {
namespace {

class CodePageTest : public ProgramTest {
protected:
    // What the windows hold, read as the system gives it (UTF-16).
    static std::wstring WideText(HWND window)
    {
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        return text;
    }
    std::vector<std::wstring> WideChildren(HTREEITEM parent) const
    {
        std::vector<std::wstring> texts;
        HWND tree = app.TreeControl;
        auto next = [&](HTREEITEM item, WPARAM how) {
            return reinterpret_cast<HTREEITEM>(
                SendMessageW(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
        };
        for (HTREEITEM item = next(parent, parent ? TVGN_CHILD : TVGN_ROOT); item;
             item = next(item, TVGN_NEXT)) {
            wchar_t text[64] = {};
            TVITEMW tv = {};
            tv.mask = TVIF_TEXT | TVIF_HANDLE;
            tv.hItem = item;
            tv.pszText = text;
            tv.cchTextMax = 64;
            SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
            texts.push_back(tv.pszText);
        }
        return texts;
    }
    void SelectNode(HTREEITEM parent, const char* text)
    {
        HTREEITEM item = FindNode(parent, text);
        ASSERT_NE(item, nullptr) << text;
        SendMessageW(app.TreeControl, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        Pump();
    }
};

using Names = std::vector<std::wstring>;

TEST_F(CodePageTest, PortsOpenTheNamesShowAndMarevoIniKeepsThem)
{
    WritePort({"24尾鷲.MV2", "尾鷲"});
    WritePort({"01函館.MV2", "函館"});
    WriteSettings("[SITE]\r\nPREF=北海道\r\nPORT=函館\r\n");
    Start();
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_STREQ(ShownStation().StationName, "函館");
    EXPECT_EQ(WideText(app.PortLabel), L"函館");
    EXPECT_EQ(WideChildren(app.PrefectureItems[24]), Names{L"尾鷲"});
    EXPECT_EQ(WideChildren(app.RegionItems[1]), Names{L"函館"});
    EXPECT_EQ(WideChildren(nullptr), (Names{L"北海道", L"東北", L"関東", L"中部", L"近畿", L"中国",
                                           L"四国", L"九州", L"その他"}));
    wchar_t item[32] = {};
    GetMenuStringW(GetMenu(app.MainWindow), CMD_PRINT, item, 32, MF_BYCOMMAND);
    EXPECT_STREQ(item, L"印刷(&P)");
    Screenshot(GetACP() == 932 ? "codepage-932" : GetACP() == 1252 ? "codepage-1252" : "codepage-utf8");

    SelectNode(app.PrefectureItems[24], "尾鷲");
    EXPECT_STREQ(ShownStation().StationName, "尾鷲");
    Stop();
    const std::string file = ReadFile("marevo.ini");
    EXPECT_NE(file.find("[SITE]\r\nPREF=三重県\r\nPORT=尾鷲\r\n"), std::string::npos) << file;
    Start();
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(WideText(app.PrefLabel), L"三重県");
    EXPECT_EQ(WideText(app.PortLabel), L"尾鷲");
}

TEST_F(CodePageTest, AMessageBoxShowsItsJapaneseText)
{
    WritePort({"24尾鷲.MV2", "尾鷲"});
    WriteSettings("[SITE]\r\nPREF=三重県\r\nPORT=鳥羽\r\n");
    SetMessageBoxHook(nullptr); // the platform's own box
    std::wstring caption, texts;
    WithModal([&] { Start(); },
              [&](HWND box) {
                  caption = WideText(box);
                  for (HWND child = GetWindow(box, GW_CHILD); child;
                       child = GetWindow(child, GW_HWNDNEXT))
                      texts += WideText(child) + L"|";
                  SendMessageW(box, WM_COMMAND, IDOK, 0);
              });
    EXPECT_EQ(caption, L"error!");
    EXPECT_NE(texts.find(L"ファイルがオープンできませんでした|"), std::wstring::npos);
}

// The one-day picture of a fixed day: drawn under the Japanese code page it is kept as the
// reference (that run comes first); under any other it must be the same, pixel for pixel.
TEST_F(CodePageTest, ThePictureIsTheOneOfTheJapaneseCodePage)
{
    WritePort({"24尾鷲.MV2", "尾鷲"});
    WriteSettings("[WINDOWS]\r\nONEORSEVEN=1\r\n");
    Start();
    app.session.ChooseDate({2026, 12, 7});
    RefreshDisplay(app);
    ASSERT_TRUE(messages.empty()) << messages.front();
    const SIZE size = ClientSize(app.CanvasWindow);
    ASSERT_EQ(size.cx, 610);
    const std::vector<COLORREF> picture = PixelsOf(app.OffscreenDC(), size.cx, size.cy);
    const std::string folder = MAREVO_CODEPAGE_PICTURES;
    char name[32];
    std::snprintf(name, sizeof name, "/oneday-%u.ppm", GetACP());
    SavePicture(folder + name, picture, size.cx, size.cy); // to be looked at
    const std::string reference = folder + "/oneday-932.raw";
    if (GetACP() == 932) {
        std::FILE* f = std::fopen(reference.c_str(), "wb");
        ASSERT_NE(f, nullptr) << reference;
        std::fwrite(picture.data(), sizeof(COLORREF), picture.size(), f);
        std::fclose(f);
        return;
    }
    std::vector<COLORREF> expected(picture.size());
    std::FILE* f = std::fopen(reference.c_str(), "rb");
    ASSERT_NE(f, nullptr) << "run under the Japanese code page first: " << reference;
    const size_t got = std::fread(expected.data(), sizeof(COLORREF), expected.size(), f);
    std::fclose(f);
    ASSERT_EQ(got, expected.size());
    int differing = 0;
    for (size_t i = 0; i < picture.size(); ++i) differing += picture[i] != expected[i];
    EXPECT_EQ(differing, 0);
}

} // namespace
} // namespace marevo
