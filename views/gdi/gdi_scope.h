// Scope guards for GDI handles, used by the drawing layer and the window program: a
// window's device context, a painting, a context or an object the program created, and a
// selection into a context, each released on every path out of the scope. A created object
// is declared before the selection that selects it, so it is deselected first and deleted
// after.
#pragma once

#include <windows.h>

namespace marevo {

class ScopedGetDC {
public:
    explicit ScopedGetDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScopedGetDC() { if (dc_) ReleaseDC(window_, dc_); }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint of a window.
class ScopedPaint {
public:
    explicit ScopedPaint(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~ScopedPaint() { EndPaint(window_, &paint_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
    HDC dc_;
};

// A device context the program created (a memory context, a printer's): DeleteDC.
class ScopedDC {
public:
    explicit ScopedDC(HDC dc) : dc_(dc) {}
    ~ScopedDC() { if (dc_) DeleteDC(dc_); }
    ScopedDC(const ScopedDC&) = delete;
    ScopedDC& operator=(const ScopedDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// A pen, font, brush or bitmap the program created: DeleteObject, unless released to a new
// owner (the clipboard takes its bitmap). reset deletes the one held and takes another.
template <class Handle>
class ScopedGdiObj {
public:
    explicit ScopedGdiObj(Handle object = nullptr) : object_(object) {}
    ~ScopedGdiObj() { reset(); }
    ScopedGdiObj(const ScopedGdiObj&) = delete;
    ScopedGdiObj& operator=(const ScopedGdiObj&) = delete;
    Handle get() const { return object_; }
    Handle release()
    {
        Handle object = object_;
        object_ = nullptr;
        return object;
    }
    void reset(Handle object = nullptr)
    {
        if (object_) DeleteObject(object_);
        object_ = object;
    }

private:
    Handle object_;
};

class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelectObject() { if (previous_) SelectObject(dc_, previous_); }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace marevo
