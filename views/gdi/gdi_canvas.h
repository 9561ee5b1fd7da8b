// GdiCanvas: the drawing layer over a Windows device context (the off-screen bitmap of the
// window, a printer, a memory bitmap). Coordinates are the context's logical units. The
// only file of the views that sees the platform; its texts reach the system through
// text/wide_text.h.
#pragma once

#include <windows.h>

#include "views/canvas.h"

namespace marevo {

class GdiCanvas : public Canvas {
public:
    // Draws into dc, which the caller keeps and deletes.
    explicit GdiCanvas(HDC dc) : dc_(dc) {}
    // A pen, font or clip box still held is released, so no handle outlives the canvas.
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

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
    HDC dc_;
    // The font slot and the pen slot: the created object and the one it displaced.
    HFONT font_ = nullptr, previousFont_ = nullptr;
    HPEN pen_ = nullptr, previousPen_ = nullptr;
    // The clip slot: held, and the clipping region before it (device units), if any.
    bool clip_ = false;
    HRGN previousClip_ = nullptr;
};

} // namespace marevo
