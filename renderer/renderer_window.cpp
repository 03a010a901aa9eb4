// The renderer program: one borderless window over the whole primary screen, titled so that the
// saver can find it, with a GL context on it and a loop that draws a frame whenever the queue is
// empty; black covers over the other monitors. Esc or the platform's close command ends it.

#include "bench_hooks.h"
#include "cover_windows.h"
#include "frame_clock.h"
#include "gl_context.h"
#include "program_contract.h"
#include "scene.h"

#include <windows.h>

#include <cstdint>

namespace lumo {
namespace {

struct RendererProgram {
    HWND window = nullptr;
    win::WindowDc deviceContext;
    GlContext renderContext;
    std::int32_t clientWidth = 0;
    std::int32_t clientHeight = 0;
    bool sceneReady = false;
    FrameClock clock;
};

RendererProgram program;

std::int64_t QueryCounter() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

void SetupPixelFormat(HDC dc) {
    static PIXELFORMATDESCRIPTOR descriptor{};
    static bool filled = false;
    if (!filled) {
        descriptor.nSize = sizeof(PIXELFORMATDESCRIPTOR);
        descriptor.nVersion = 1;
        descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        descriptor.iPixelType = PFD_TYPE_RGBA;
        descriptor.cColorBits = static_cast<BYTE>(GetDeviceCaps(dc, BITSPIXEL));
        // The scene never tests depth; the buffer is asked for all the same.
        descriptor.cDepthBits = 16;
        descriptor.iLayerType = PFD_MAIN_PLANE;
        filled = true;
    }
    SetPixelFormat(dc, ChoosePixelFormat(dc, &descriptor), &descriptor);
}

void PaintFrame(HWND window) {
    // Every paint hides the cursor once more, ready or not, so it stays hidden over the scene.
    ShowCursor(FALSE);
    if (!program.sceneReady) {
        // The update region stays invalid until the scene can draw into it.
        return;
    }
    const float frameSeconds = program.clock.Step(QueryCounter());
    DrawFrame(frameSeconds);
    bench::Mark(bench::Step::FrameIssued);
    SwapBuffers(program.deviceContext.Get());
    ValidateRect(window, nullptr);
    bench::OnFrameDrawn(frameSeconds);
}

LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        program.deviceContext.Acquire(window);
        SetupPixelFormat(program.deviceContext.Get());
        program.renderContext.Create(program.deviceContext.Get());
        bench::Mark(bench::Step::ContextMade);
        return 0;
    case WM_SIZE:
        program.clientWidth = LOWORD(lParam);
        program.clientHeight = HIWORD(lParam);
        ResizeViewport(program.clientWidth, program.clientHeight);
        return 0;
    case WM_PAINT:
        PaintFrame(window);
        return 0;
    case WM_KEYDOWN:
        // Only Esc ends the scene; every other key is swallowed.
        if (wParam == VK_ESCAPE) {
            ShowCursor(TRUE);
            DestroyWindow(window);
        }
        return 0;
    case WM_DESTROY:
        program.renderContext.Reset();
        program.deviceContext.Release();
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK RendererWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return HandleMessage(window, message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind into the system's dispatcher; the loop simply runs on.
        return 0;
    }
}

bool RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = RendererWndProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kRendererWindowClass;
    return RegisterClassA(&windowClass) != 0;
}

int RunMessageLoop() {
    MSG message{};
    // A paint request is pending here: the window has never been validated.
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    while (message.message != WM_QUIT) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        } else {
            // No sleep and no cap: an empty queue means the next frame.
            InvalidateRect(program.window, nullptr, FALSE);
        }
    }
    return static_cast<int>(message.wParam);
}

int Run(HINSTANCE instance) {
    program.sceneReady = false;
    if (!RegisterWindowClass(instance)) {
        return 0;
    }
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    bench::Mark(bench::Step::WindowBegins);
    program.window =
        CreateWindowExA(0, kRendererWindowClass, kRendererWindowTitle,
                        WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                        screenWidth, screenHeight, nullptr, nullptr, instance, nullptr);
    if (program.window == nullptr) {
        return 0;
    }
    ShowWindow(program.window, SW_SHOW);
    UpdateWindow(program.window);
    CoverOtherMonitors(instance, program.window);
    bench::Mark(bench::Step::WindowShown);

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    program.clock.Start(frequency.QuadPart, QueryCounter());
    bench::Mark(bench::Step::SceneBegins);
    if (!InitScene(program.clientWidth, program.clientHeight)) {
        return 0;
    }
    bench::Mark(bench::Step::SceneReady);
    program.sceneReady = true;

    const int exitCode = RunMessageLoop();
    program.sceneReady = false;
    ShutdownScene();
    return exitCode;
}

} // namespace
} // namespace lumo

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    lumo::bench::OnEntry();
    int exitCode = 0;
    try {
        exitCode = lumo::Run(instance);
    } catch (...) {
        exitCode = 0;
    }
    lumo::bench::OnExit();
    return exitCode;
}
