#pragma once
// A hidden window with its own DC and a current GL context, made the way the renderer makes its
// own, so that GL code can run in a test.

#include "gl_context.h"

#include <windows.h>

namespace lumo::testing {

class HiddenGlWindow {
  public:
    HiddenGlWindow() {
        WNDCLASSA windowClass{};
        windowClass.style = CS_OWNDC;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "LumoGlTest";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, "LumoGlTest", "", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
        dc_.Acquire(window_);
        PIXELFORMATDESCRIPTOR descriptor{};
        descriptor.nSize = sizeof(descriptor);
        descriptor.nVersion = 1;
        descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        descriptor.iPixelType = PFD_TYPE_RGBA;
        descriptor.cColorBits = 24;
        descriptor.iLayerType = PFD_MAIN_PLANE;
        SetPixelFormat(dc_.Get(), ChoosePixelFormat(dc_.Get(), &descriptor), &descriptor);
        context_.Create(dc_.Get());
    }
    ~HiddenGlWindow() {
        context_.Reset();
        dc_.Release();
        DestroyWindow(window_);
        UnregisterClassA("LumoGlTest", GetModuleHandleA(nullptr));
    }
    // Shown without taking the focus, for tests that read back what was drawn.
    void Show() { ShowWindow(window_, SW_SHOWNOACTIVATE); }
    bool ready() const { return window_ != nullptr && wglGetCurrentContext() != nullptr; }

  private:
    HWND window_ = nullptr;
    lumo::win::WindowDc dc_;
    lumo::GlContext context_;
};

} // namespace lumo::testing
