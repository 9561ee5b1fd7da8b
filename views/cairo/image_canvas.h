// ImageCanvas: the drawing layer on cairo and pango, for PNG, SVG and PDF pictures of the
// views. It keeps the window's pixel rules (no smoothing of lines and boxes, inclusive box
// corners, line end points left out, 3-on-3-off dotted pens, XOR mixing on raster pictures)
// so that a PNG matches the window. One unit is one pixel (one point in PDF).
#pragma once

#include <string>

#include "views/canvas.h"
#include "views/palette.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace marevo {

enum class ImageFormat { Png, Svg, Pdf };

// The format named by a file's extension (.png, .svg, .pdf, any case); false for others.
bool ImageFormatFromPath(const std::string& path, ImageFormat& format);

// The 3-D face colour that the window lays under every picture (Wine's default button face).
constexpr Color WindowFace = Rgb(245, 245, 245);

// The face that stands in for ViewFace outside Windows.
extern const char ImageFontFamily[];

class ImageCanvas : public Canvas {
public:
    // A picture of width x height filled with background. Png keeps the pixels in memory
    // until Save; Svg and Pdf write path as they are drawn and finish it in Save.
    ImageCanvas(ImageFormat format, int width, int height, Color background,
                const std::string& path = std::string());
    ~ImageCanvas() override;
    ImageCanvas(const ImageCanvas&) = delete;
    ImageCanvas& operator=(const ImageCanvas&) = delete;

    // Writes the file. Returns false when it could not be written (or no path was given).
    bool Save();
    // The colour of pixel (x, y) of a raster picture; Black outside it or for vector ones.
    Color PixelAt(int x, int y);

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
    // Limits cairo's drawing to the clip box, when one is held (between save and restore).
    void ApplyClip();
    // Paints the pixels x .. x + w - 1, y .. y + h - 1 with colour under the mix mode, inside
    // the picture and the clip box.
    void FillSpan(int x, int y, int w, int h, Color colour);
    // The pixels of a one-unit line from (x1, y1) to (x2, y2), end point left out, in the
    // pen's style; the pattern starts again with every line.
    void PenLine(int x1, int y1, int x2, int y2, Color colour, int style);

    ImageFormat format_;
    int width_, height_;
    std::string path_;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
    bool saved_ = false;

    // The slots; with none selected the defaults of a fresh device context hold
    // (a black solid pen, a 12-unit font).
    bool font_ = false, pen_ = false;
    int fontHeight_ = 12, fontEscapement_ = 0, fontWeight_ = 0;
    bool fontUnderline_ = false;
    Color penColor_ = Black;
    int penStyle_ = PenSolid;
    Color textColor_ = Black;
    int backgroundMode_ = BackgroundOpaque;
    int mixMode_ = MixCopyPen;
    // The clip slot: the box's pixels clipLeft_ .. clipRight_ - 1, clipTop_ .. clipBottom_ - 1.
    bool clip_ = false;
    int clipLeft_ = 0, clipTop_ = 0, clipRight_ = 0, clipBottom_ = 0;
};

} // namespace marevo
