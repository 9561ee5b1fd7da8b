// The program under the system code page of each run (932; 1252 of an English Windows; 65001
// of the UTF-8 option): Japanese names in the tree, labels, menu and message boxes (read back
// through the wide functions), in marevo.ini, and the picture of the Japanese code page.
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "program_fixture.h"

#include "app/ids.h"
#include "app/ui_seam.h"

namespace marevo {
namespace {

using CodePageTest = ProgramTest;
using Texts = std::vector<std::string>;

// The saved port missing, said in the platform's own message box; then ports chosen, kept
// from one start to the next, and a picture drawn.
TEST_F(CodePageTest, TheNamesShowMarevoIniKeepsThemAndThePictureIsTheSame)
{
    if (const char* acp = std::getenv("MAREVO_EXPECT_ACP")) { // the locale was taken
        ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(acp)));
    }
    WritePort({"24尾鷲.MV2", "尾鷲"});
    WritePort({"01函館.MV2", "函館"});
    WriteSettings("[SITE]\r\nPREF=北海道\r\nPORT=鳥羽\r\n");
    const MessageBoxHook recorder = SetMessageBoxHook(nullptr);
    std::string caption, texts;
    WithModal([&] { Start(); },
              [&](HWND box) {
                  caption = Text(box);
                  for (HWND child = GetWindow(box, GW_CHILD); child;
                       child = GetWindow(child, GW_HWNDNEXT))
                      texts += Text(child) + "|";
                  SendMessageW(box, WM_COMMAND, IDOK, 0);
              });
    EXPECT_EQ(caption, "error!");
    EXPECT_NE(texts.find(std::string(CannotOpen) + "|"), std::string::npos) << texts;
    SetMessageBoxHook(recorder);
    EXPECT_EQ(Text(app.PortLabel), "鳥羽");
    EXPECT_EQ(ChildTexts(app.PrefectureItems[24]), Texts{"尾鷲"});
    EXPECT_EQ(ChildTexts(nullptr),
              (Texts{"北海道", "東北", "関東", "中部", "近畿", "中国", "四国", "九州", "その他"}));
    wchar_t item[32] = {};
    GetMenuStringW(GetMenu(app.MainWindow), CMD_PRINT, item, 32, MF_BYCOMMAND);
    EXPECT_STREQ(item, L"印刷(&P)");
    Select(FindNode(app.RegionItems[1], "函館"));
    EXPECT_STREQ(ShownStation().StationName, "函館");
    EXPECT_EQ(Text(app.PrefLabel), "北海道");

    SelectPort(24, "尾鷲");
    Stop();
    const std::string file = ReadFile("marevo.ini");
    EXPECT_NE(file.find("[SITE]\r\nPREF=三重県\r\nPORT=尾鷲\r\n"), std::string::npos) << file;
    Start();
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_STREQ(ShownStation().StationName, "尾鷲");
    EXPECT_EQ(Text(app.PrefLabel), "三重県");
    EXPECT_EQ(Text(app.PortLabel), "尾鷲");

    // The one-day picture of a fixed day: drawn under the Japanese code page it is kept as the
    // reference (that run comes first); under any other it must be the same, pixel for pixel.
    Command(CMD_PERIOD1);
    SetDate(2026, 12, 7);
    Command(CMD_REDRAW);
    const SIZE size = ClientSize(app.CanvasWindow);
    ASSERT_EQ(size.cx, 610);
    const std::vector<COLORREF> picture = PixelsOf(app.OffscreenDC(), size.cx, size.cy);
    const std::string folder = MAREVO_CODEPAGE_PICTURES, reference = folder + "/oneday-932.raw";
    const std::streamsize bytes = picture.size() * sizeof(COLORREF);
    if (GetACP() == 932) {
        std::ofstream out(reference, std::ios::binary);
        ASSERT_TRUE(out.write(reinterpret_cast<const char*>(picture.data()), bytes)) << reference;
        return;
    }
    std::vector<COLORREF> expected(picture.size());
    std::ifstream in(reference, std::ios::binary);
    ASSERT_TRUE(in.read(reinterpret_cast<char*>(expected.data()), bytes))
        << "run under the Japanese code page first: " << reference;
    EXPECT_TRUE(picture == expected) << "differs from " << reference;
}

} // namespace
} // namespace marevo
