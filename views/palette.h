// ViewPalette: the named colours of every picture, in a colour and a monochrome variant.
#pragma once

#include "views/canvas.h"

namespace marevo {

struct ViewPalette {
    Color PlotFill, DaylightFill, GridMinor, GridMajor, CurvePen, BarFill, MeanLevelLine,
        ReferenceLine, ZoneText, SundayFill, SaturdayFill, SundayText, SaturdayText,
        TideNameText, MoonAgeText, MoonPhaseText, DayFrame, TableRule, TableFrame, MoonLit,
        MoonDark, HoverHighlight;
};

// Mode 1: the colour variant; any other mode: the monochrome variant, which leaves
// HoverHighlight as it was.
void SetViewPalette(ViewPalette& palette, int mode);

// Fixed colours of the views besides the palette.
constexpr Color White = Rgb(255, 255, 255);
constexpr Color Black = Rgb(0, 0, 0);
constexpr Color InfoBoxGrey = Rgb(225, 225, 225);

} // namespace marevo
