// The two variants of the view palette, one row per named colour.
#include "views/palette.h"

namespace marevo {

namespace {
struct PaletteRow {
    Color ViewPalette::*entry;
    Color colour;
    Color mono;
};

const PaletteRow Rows[] = {
    // entry                          colour variant        monochrome variant
    {&ViewPalette::PlotFill,      Rgb(220, 220, 255), Rgb(200, 200, 200)},
    {&ViewPalette::DaylightFill,  Rgb(255, 255, 235), Rgb(255, 255, 255)},
    {&ViewPalette::GridMinor,     Rgb(200, 200, 255), Rgb(180, 180, 180)},
    {&ViewPalette::GridMajor,     Rgb(160, 160, 255), Rgb(128, 128, 128)},
    {&ViewPalette::CurvePen,      Rgb(0, 0, 0),       Rgb(0, 0, 0)},
    {&ViewPalette::BarFill,       Rgb(192, 255, 255), Rgb(192, 192, 192)},
    {&ViewPalette::MeanLevelLine, Rgb(0, 0, 170),     Rgb(0, 0, 0)},
    {&ViewPalette::ReferenceLine, Rgb(255, 0, 0),     Rgb(0, 0, 0)},
    {&ViewPalette::ZoneText,      Rgb(0, 0, 255),     Rgb(0, 0, 0)},
    {&ViewPalette::SundayFill,    Rgb(255, 230, 230), Rgb(255, 255, 255)},
    {&ViewPalette::SaturdayFill,  Rgb(230, 230, 255), Rgb(255, 255, 255)},
    {&ViewPalette::SundayText,    Rgb(255, 0, 0),     Rgb(0, 0, 0)},
    {&ViewPalette::SaturdayText,  Rgb(0, 0, 255),     Rgb(0, 0, 0)},
    {&ViewPalette::TideNameText,  Rgb(0, 80, 0),      Rgb(0, 0, 0)},
    {&ViewPalette::MoonAgeText,   Rgb(80, 80, 0),     Rgb(0, 0, 0)},
    {&ViewPalette::MoonPhaseText, Rgb(0, 0, 127),     Rgb(0, 0, 0)},
    {&ViewPalette::DayFrame,      Rgb(0, 0, 0),       Rgb(0, 0, 0)},
    {&ViewPalette::TableRule,     Rgb(128, 128, 128), Rgb(128, 128, 128)},
    {&ViewPalette::TableFrame,    Rgb(0, 0, 0),       Rgb(0, 0, 0)},
    {&ViewPalette::MoonLit,       Rgb(255, 255, 0),   Rgb(128, 128, 128)},
    {&ViewPalette::MoonDark,      Rgb(0, 0, 0),       Rgb(255, 255, 255)},
};
} // namespace

void SetViewPalette(ViewPalette& palette, int mode) {
    for (const PaletteRow& row : Rows) palette.*row.entry = mode == 1 ? row.colour : row.mono;
    if (mode == 1) palette.HoverHighlight = Rgb(32, 32, 32); // the monochrome variant keeps it
}

const char ViewFace[] = "ＭＳ ゴシック";

} // namespace marevo
