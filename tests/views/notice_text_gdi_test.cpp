// The start-up notice's source lines fit its text box (x 8 to 368) in the font the GDI
// backend makes for them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "text/wide_text.h"
#include "views/gdi/gdi_canvas.h"
#include "views/notice_picture.h"

namespace marevo {
namespace {

TEST(NoticeText, SourceLinesFitTheTextBox)
{
    HDC dc = CreateCompatibleDC(nullptr);
    {
        GdiCanvas canvas(dc);
        canvas.SelectViewFont("ＭＳ Ｐゴシック", 12, 0, 0, false); // the notice's face
        for (const auto& [x, line] :
             {std::pair{22, NoticeSourceLine}, std::pair{17, NoticeLicenceLine}}) {
            const std::wstring wide = WideFromSjis(line);
            SIZE size = {};
            ASSERT_TRUE(
                GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size));
            EXPECT_GT(size.cx, 100) << line; // measured in a real font
            EXPECT_LT(x + size.cx, 368) << line;
        }
        canvas.ReleaseViewFont();
    }
    DeleteDC(dc);
}

} // namespace
} // namespace marevo
