// Texts laid out before they are drawn: each at its point (logical units, the text's top
// left) in a font size and colour. A panel makes its texts first, then draws them, and
// marevo-cli prints the same texts as lines. Texts are Shift-JIS.
#pragma once

#include <string>
#include <vector>

#include "views/canvas.h"

namespace marevo {

struct PlacedText {
    int x, y;
    int size; // font height, logical units
    Color colour;
    std::string text;
};
using PlacedTexts = std::vector<PlacedText>;

// Draws the texts in order with the view face: a font is selected where the size changes
// (with the text colour set again), the colour set where only it changes.
void DrawPlacedTexts(Canvas& canvas, const PlacedTexts& texts);

// A half-width character of the 12-unit font is 6 units wide; texts less than 8 units apart
// in y share a line (the tidal-range name beside the last sun line).
constexpr int UnitsPerColumn = 6, SameLineUnits = 8;

/*
**  TextLines: the texts of a box as lines of characters: sorted by y, texts less than
**  SameLineUnits apart joined into one line in x order, each placed at its column
**  (x - left) / UnitsPerColumn counted in Shift-JIS bytes, at least one blank apart;
**  trailing blanks dropped.
**  Given: texts; left, the x of the box's first column. Returns: the lines, top to bottom.
*/
std::vector<std::string> TextLines(const PlacedTexts& texts, int left);

} // namespace marevo
