#pragma once
// Owners of the window's device context and of the GL context made on it.

#include <windows.h>

namespace lumo {

// The class has a private DC, so releasing it changes nothing on the platform; the owner still
// hands it back so that no handle outlives its window unaccounted.
class WindowDc {
  public:
    WindowDc() = default;
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() { Reset(); }

    void Acquire(HWND window) {
        Reset();
        window_ = window;
        dc_ = GetDC(window);
    }
    void Reset() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
        dc_ = nullptr;
        window_ = nullptr;
    }
    HDC get() const { return dc_; }

  private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

class GlContext {
  public:
    GlContext() = default;
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;
    ~GlContext() { Reset(); }

    // Creates the context on dc and makes it current; failures leave GL calls without effect.
    void Create(HDC dc) {
        Reset();
        dc_ = dc;
        context_ = wglCreateContext(dc);
        wglMakeCurrent(dc, context_);
    }
    void Reset() {
        if (context_ != nullptr) {
            wglMakeCurrent(dc_, nullptr);
            wglDeleteContext(context_);
        }
        context_ = nullptr;
        dc_ = nullptr;
    }

  private:
    HDC dc_ = nullptr;
    HGLRC context_ = nullptr;
};

} // namespace lumo
