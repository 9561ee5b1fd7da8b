// Drawing placed texts, and laying them out as lines of characters.
#include "views/placed_text.h"

#include <algorithm>

#include "views/palette.h"

namespace marevo {

void DrawPlacedTexts(Canvas& canvas, const PlacedTexts& texts)
{
    int size = 0;
    Color colour = 0;
    for (const PlacedText& t : texts) {
        if (t.size != size) {
            if (size != 0) canvas.ReleaseViewFont();
            canvas.SelectViewFont(ViewFace, t.size, 0, 0, false);
            canvas.SetTextColor(t.colour);
        } else if (t.colour != colour) {
            canvas.SetTextColor(t.colour);
        }
        size = t.size;
        colour = t.colour;
        canvas.PutText(t.x, t.y, t.text.c_str());
    }
    if (size != 0) canvas.ReleaseViewFont();
}

std::vector<std::string> TextLines(const PlacedTexts& texts, int left)
{
    std::vector<const PlacedText*> in;
    for (const PlacedText& t : texts) in.push_back(&t);
    std::stable_sort(in.begin(), in.end(),
                     [](const PlacedText* a, const PlacedText* b) { return a->y < b->y; });
    std::vector<std::string> lines;
    for (size_t i = 0; i < in.size();) {
        size_t end = i + 1;
        while (end < in.size() && in[end]->y - in[i]->y < SameLineUnits) ++end;
        std::vector<const PlacedText*> row(in.begin() + i, in.begin() + end);
        std::stable_sort(row.begin(), row.end(),
                         [](const PlacedText* a, const PlacedText* b) { return a->x < b->x; });
        std::string line;
        for (const PlacedText* t : row) {
            const size_t column = static_cast<size_t>(std::max(t->x - left, 0) / UnitsPerColumn);
            if (!line.empty() && line.size() >= column) line += ' ';
            while (line.size() < column) line += ' ';
            line += t->text;
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        lines.push_back(line);
        i = end;
    }
    return lines;
}

} // namespace marevo
