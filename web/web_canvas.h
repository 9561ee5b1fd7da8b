// WebCanvas: the drawing layer on the page's 2D canvas (through the small JavaScript functions
// of web_canvas_library.js). It keeps the window's rules (box corners both painted, line end
// points left out, 3-on-3-off dotted pens) in logical units; the page scales them to the
// screen's device pixels, so lines stay sharp on phones. Shift-JIS texts go to the page as
// UTF-8.
#pragma once

#include "views/canvas.h"
#include "views/palette.h"

namespace marevo {

// The 3-D face colour the window lays under every picture.
constexpr Color WebWindowFace = Rgb(245, 245, 245);

class WebCanvas : public Canvas {
public:
    // Starts a picture of width x height logical units drawn at scale device pixels a unit,
    // filled with background.
    WebCanvas(int width, int height, double scale, Color background);
    ~WebCanvas() override;
    WebCanvas(const WebCanvas&) = delete;
    WebCanvas& operator=(const WebCanvas&) = delete;

    int PutText(int x, int y, const char* text) override;
    void SelectViewFont(const char* face, int height, int escapement, int weight,
                        bool underline) override;
    void ReleaseViewFont() override;
    void SelectViewPen(int style, int width, Color color) override;
    void ReleaseViewPen() override;
    void DrawBox(int left, int top, int right, int bottom, Color fill) override;
    void DrawDisc(int left, int top, int right, int bottom, Color fill) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void SelectClipBox(int left, int top, int right, int bottom) override;
    void ReleaseClipBox() override;
    void SetTextColor(Color color) override;
    void SetBackgroundMode(int mode) override;
    int SetMixMode(int mode) override;

private:
    // A one-unit line's pixels from (x1, y1) towards (x2, y2), end point left out.
    void PenLine(int x1, int y1, int x2, int y2);

    // The slots; with none selected the defaults of a fresh device context hold.
    int fontHeight_ = 12, fontEscapement_ = 0, fontWeight_ = 0;
    bool fontUnderline_ = false;
    Color penColor_ = Black;
    int penStyle_ = PenSolid;
    Color textColor_ = Black;
    int backgroundMode_ = BackgroundOpaque;
    int mixMode_ = MixCopyPen;
    bool clip_ = false;
};

} // namespace marevo
