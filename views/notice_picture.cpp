// The start-up notice's picture (see notice_picture.h).
#include "views/notice_picture.h"

#include <cmath>
#include <cstdlib>

#include "views/palette.h"

namespace marevo {

namespace {

const char NoticeFace[] = "ＭＳ Ｐゴシック";
const Color GridColour = Rgb(207, 207, 255);
const Color BarColour = Rgb(209, 239, 230);
const Color MeanLineColour = Rgb(255, 153, 153);

// The picture area and the text box, inclusive corners.
constexpr int AreaLeft = 8, AreaTop = 40, AreaRight = 368, AreaBottom = 134;
constexpr int BoxTop = 141, BoxBottom = 227;

struct NoticeLine {
    int x, y;
    const char* text;
};

} // namespace

// The harmonic constants the program ships are fitted to JMA's tide tables, a few taken from
// TICON-4 (CC BY 4.0), see data/DATA-LICENSE; these two lines name both sources in the place of
// the data's provenance, the second with the statement JMA's terms ask of processed data.
const char NoticeSourceLine[] = "調和定数：気象庁潮位表2024、TICON-4 (CC BY 4.0) ";
const char NoticeLicenceLine[] = "出典：気象庁ホームページ（潮位表）のデータを加工して作成 ";

void PaintNotice(Canvas& canvas, const char* versionText, unsigned seed)
{
    canvas.SelectViewPen(PenSolid, 1, White);
    canvas.DrawBox(AreaLeft, AreaTop, AreaRight, AreaBottom, White);
    canvas.ReleaseViewPen();

    canvas.SelectViewPen(PenSolid, 1, GridColour);
    for (int x = 26; x <= 350; x += 18) canvas.DrawLine(x, AreaTop, x, AreaBottom);
    for (int y = 52; y <= 124; y += 12) canvas.DrawLine(AreaLeft, y, AreaRight, y);
    canvas.ReleaseViewPen();

    std::srand(seed);
    const int a = std::rand() % 5;
    const int b = std::rand() % 90;
    const int period = 8 + a;
    canvas.SelectViewPen(PenSolid, 1, Black);
    for (int i = 0; 8 + 4 * i <= 364; ++i) {
        const int x = 8 + 4 * i;
        const int v = static_cast<int>(std::floor(std::cos(double(b + i) / period) * 50 + 60));
        const int top = v < AreaTop ? AreaTop : v;
        canvas.DrawBox(x, top, x + 4, AreaBottom, BarColour);
    }
    canvas.ReleaseViewPen();

    canvas.SelectViewPen(PenSolid, 1, MeanLineColour);
    canvas.DrawLine(AreaLeft, 88, AreaRight, 88);
    canvas.ReleaseViewPen();

    canvas.SelectViewPen(PenSolid, 1, Black);
    canvas.DrawBox(AreaLeft, AreaTop, AreaRight, AreaBottom, NoFill);
    canvas.DrawBox(AreaLeft, BoxTop, AreaRight, BoxBottom, White);
    canvas.ReleaseViewPen();

    canvas.SetBackgroundMode(BackgroundTransparent);
    canvas.SetTextColor(Black);
    canvas.SelectViewFont(NoticeFace, 19, 0, 0, true);
    canvas.PutText(140, 13, "Marevo");
    canvas.ReleaseViewFont();

    const NoticeLine lines[] = {
        {300, 27, versionText},
        {22, 150, NoticeSourceLine},
        {17, 173, NoticeLicenceLine},
        {17, 188, "本機に表示される情報は、航海の用に供するものではありません。 "},
        {17, 203, "航海には必ず海上保安庁水路部発行の潮汐表を使用してください。 "},
    };
    canvas.SelectViewFont(NoticeFace, 12, 0, 0, false);
    for (const NoticeLine& line : lines) canvas.PutText(line.x, line.y, line.text);
    canvas.ReleaseViewFont();
}

} // namespace marevo
