// The recording canvas of the tests: every call kept in order, the slots checked.
#include "views/recorder.h"

namespace marevo {

CanvasCall RecordingCanvas::Begin(CanvasOp op) const
{
    CanvasCall c;
    c.op = op;
    c.penHeld = pen_;
    c.fontHeld = font_;
    c.penColor = penColor_;
    c.penStyle = penStyle_;
    c.fontHeight = fontHeight_;
    c.textColor = textColor_;
    c.backgroundMode = backgroundMode_;
    c.mixMode = mixMode_;
    c.clipHeld = clip_;
    c.clipLeft = clipLeft_;
    c.clipTop = clipTop_;
    c.clipRight = clipRight_;
    c.clipBottom = clipBottom_;
    return c;
}

CanvasCall RecordingCanvas::Corners(CanvasOp op, int x1, int y1, int x2, int y2) const
{
    CanvasCall c = Begin(op);
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    return c;
}

void RecordingCanvas::Fault(const std::string& what)
{
    faults_.push_back("call " + std::to_string(calls_.size()) + ": " + what);
}

int RecordingCanvas::PutText(int x, int y, const char* text)
{
    CanvasCall c = Begin(CanvasOp::PutText);
    c.x1 = x;
    c.y1 = y;
    c.text = text ? text : "";
    if (!font_) Fault("text \"" + c.text + "\" with no view font");
    calls_.push_back(c);
    return 1;
}

void RecordingCanvas::SelectViewFont(const char* face, int height, int escapement, int weight,
                                     bool underline)
{
    CanvasCall c = Begin(CanvasOp::SelectFont);
    c.text = face ? face : "";
    c.value = height;
    c.escapement = escapement;
    c.weight = weight;
    c.underline = underline;
    if (font_) Fault("second SelectViewFont while a font is held");
    calls_.push_back(c);
    font_ = true;
    fontHeight_ = height;
}

void RecordingCanvas::ReleaseViewFont()
{
    if (!font_) Fault("ReleaseViewFont with no font held");
    calls_.push_back(Begin(CanvasOp::ReleaseFont));
    font_ = false;
    fontHeight_ = 0;
}

void RecordingCanvas::SelectViewPen(int style, int width, Color color)
{
    CanvasCall c = Begin(CanvasOp::SelectPen);
    c.value = style;
    c.width = width;
    c.color = color;
    if (pen_) Fault("second SelectViewPen while a pen is held");
    calls_.push_back(c);
    pen_ = true;
    penColor_ = color;
    penStyle_ = style;
}

void RecordingCanvas::ReleaseViewPen()
{
    if (!pen_) Fault("ReleaseViewPen with no pen held");
    calls_.push_back(Begin(CanvasOp::ReleasePen));
    pen_ = false;
}

void RecordingCanvas::DrawBox(int left, int top, int right, int bottom, Color fill)
{
    CanvasCall c = Corners(CanvasOp::DrawBox, left, top, right, bottom);
    c.color = fill;
    if (!pen_) Fault("DrawBox with no view pen");
    calls_.push_back(c);
}

void RecordingCanvas::DrawDisc(int left, int top, int right, int bottom, Color fill)
{
    CanvasCall c = Corners(CanvasOp::DrawDisc, left, top, right, bottom);
    c.color = fill;
    if (!pen_) Fault("DrawDisc with no view pen");
    calls_.push_back(c);
}

void RecordingCanvas::DrawLine(int x1, int y1, int x2, int y2)
{
    CanvasCall c = Corners(CanvasOp::DrawLine, x1, y1, x2, y2);
    if (!pen_) Fault("DrawLine with no view pen");
    calls_.push_back(c);
}

void RecordingCanvas::SelectClipBox(int left, int top, int right, int bottom)
{
    CanvasCall c = Corners(CanvasOp::SelectClip, left, top, right, bottom);
    if (clip_) Fault("second SelectClipBox while a clip box is held");
    calls_.push_back(c);
    clip_ = true;
    clipLeft_ = left;
    clipTop_ = top;
    clipRight_ = right;
    clipBottom_ = bottom;
}

void RecordingCanvas::ReleaseClipBox()
{
    if (!clip_) Fault("ReleaseClipBox with no clip box held");
    calls_.push_back(Begin(CanvasOp::ReleaseClip));
    clip_ = false;
}

void RecordingCanvas::SetTextColor(Color color)
{
    CanvasCall c = Begin(CanvasOp::SetTextColor);
    c.color = color;
    calls_.push_back(c);
    textColor_ = color;
}

void RecordingCanvas::SetBackgroundMode(int mode)
{
    CanvasCall c = Begin(CanvasOp::SetBackgroundMode);
    c.value = mode;
    calls_.push_back(c);
    backgroundMode_ = mode;
}

int RecordingCanvas::SetMixMode(int mode)
{
    CanvasCall c = Begin(CanvasOp::SetMixMode);
    c.value = mode;
    calls_.push_back(c);
    const int previous = mixMode_;
    mixMode_ = mode;
    return previous;
}

std::vector<CanvasCall> RecordingCanvas::CallsOf(CanvasOp op) const
{
    std::vector<CanvasCall> out;
    for (const CanvasCall& c : calls_)
        if (c.op == op) out.push_back(c);
    return out;
}

const CanvasCall* RecordingCanvas::FindText(const std::string& text) const
{
    for (const CanvasCall& c : calls_)
        if (c.op == CanvasOp::PutText && c.text == text) return &c;
    return nullptr;
}

const CanvasCall* RecordingCanvas::TextAt(int x, int y) const
{
    for (const CanvasCall& c : calls_)
        if (c.op == CanvasOp::PutText && c.x1 == x && c.y1 == y) return &c;
    return nullptr;
}

} // namespace marevo
