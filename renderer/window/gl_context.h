#pragma once
// Owner of the GL context made on the window's device context. The device context is held by a
// win::WindowDc: the class has a private DC, so handing it back changes nothing on the
// platform, but no handle outlives its window unaccounted.

#include "win32_handles.h"

#include <windows.h>

namespace lumo {

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
    // Every monitor's window has a context of its own; the one drawn next is made current.
    void MakeCurrent() const {
        if (context_ != nullptr && wglGetCurrentContext() != context_) {
            wglMakeCurrent(dc_, context_);
        }
    }
    bool Valid() const { return context_ != nullptr; }
    // Asks that this context's swaps wait for `interval` vertical blanks (0: none), where the
    // driver offers WGL_EXT_swap_control; false where it does not. A driver setting may overrule
    // either answer, which is why the loop measures what the swaps do.
    bool SetSwapInterval(int interval) const {
        if (context_ == nullptr) {
            return false;
        }
        MakeCurrent();
        using SwapInterval = BOOL(WINAPI*)(int);
        const auto set = reinterpret_cast<SwapInterval>(
            reinterpret_cast<void*>(wglGetProcAddress("wglSwapIntervalEXT")));
        return set != nullptr && set(interval) != FALSE;
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
