// RecordingCanvas: a Canvas that records every call in order with its arguments and the
// drawing state it met (pen, font, text colour, clip box), and checks the one-slot pairing
// of fonts, pens and clip boxes. The tests of the views and panels draw into it.
#pragma once

#include <string>
#include <vector>

#include "views/canvas.h"

namespace marevo {

enum class CanvasOp {
    PutText, SelectFont, ReleaseFont, SelectPen, ReleasePen, DrawBox, DrawDisc, DrawLine,
    SetTextColor, SetBackgroundMode, SetMixMode, SelectClip, ReleaseClip
};

struct CanvasCall {
    CanvasOp op;
    // PutText: x1, y1. DrawBox, DrawDisc, SelectClip: left, top, right, bottom. DrawLine:
    // both points.
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Color color = 0;  // fill of a box or disc, colour of a pen, text colour
    int value = 0;    // font height, pen style, background or mix mode
    int escapement = 0, weight = 0, width = 0;
    bool underline = false;
    std::string text; // PutText: the Shift-JIS text; SelectFont: the face
    // The state the call met.
    bool penHeld = false, fontHeld = false;
    Color penColor = 0;
    int penStyle = 0;
    int fontHeight = 0;
    Color textColor = 0;
    int backgroundMode = BackgroundOpaque;
    int mixMode = MixCopyPen;
    bool clipHeld = false;
    int clipLeft = 0, clipTop = 0, clipRight = 0, clipBottom = 0;
};

class RecordingCanvas : public Canvas {
public:
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

    const std::vector<CanvasCall>& Calls() const { return calls_; }
    std::vector<CanvasCall> CallsOf(CanvasOp op) const;
    // The first PutText of exactly this Shift-JIS text, or nullptr.
    const CanvasCall* FindText(const std::string& text) const;
    // The first PutText at (x, y), or nullptr.
    const CanvasCall* TextAt(int x, int y) const;

    // Pairing faults in the order met: a second select of a slot that is held, a release of
    // an empty slot, a shape or text drawn with no pen or font where one is needed.
    const std::vector<std::string>& Faults() const { return faults_; }
    bool FontHeld() const { return font_; }
    bool PenHeld() const { return pen_; }
    // No fault, and all three slots empty again.
    bool Balanced() const { return faults_.empty() && !font_ && !pen_ && !clip_; }

private:
    CanvasCall Begin(CanvasOp op) const;
    // A call of op on the corners (x1, y1) and (x2, y2).
    CanvasCall Corners(CanvasOp op, int x1, int y1, int x2, int y2) const;
    void Fault(const std::string& what);

    std::vector<CanvasCall> calls_;
    std::vector<std::string> faults_;
    bool font_ = false, pen_ = false;
    Color penColor_ = 0;
    int penStyle_ = 0;
    int fontHeight_ = 0;
    Color textColor_ = 0;
    int backgroundMode_ = BackgroundOpaque;
    int mixMode_ = MixCopyPen;
    bool clip_ = false;
    int clipLeft_ = 0, clipTop_ = 0, clipRight_ = 0, clipBottom_ = 0;
};

} // namespace marevo
