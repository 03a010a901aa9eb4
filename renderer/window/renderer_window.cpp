// The renderer's windows and loop: one borderless window over the whole primary screen, titled so
// that the saver can find it, and one over every other monitor, each with a GL context and a star
// field of its own; a loop that draws each monitor's frames at that monitor's refresh rate, waits
// between them for the next frame due or the next message, whichever comes first, and rests while
// the display is off. Esc or the platform's close command on any of them ends it.

#include "renderer_window.h"

#include "bench_hooks.h"
#include "display_notice.h"
#include "display_rest.h"
#include "frame_clock.h"
#include "frame_pacer.h"
#include "frame_wait.h"
#include "gl_context.h"
#include "monitor_capture.h"
#include "monitor_layout.h"
#include "monitor_list.h"
#include "program_contract.h"
#include "refresh_rate.h"
#include "scene.h"
#include "swap_wait_probe.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace lumo {
namespace {

// The other monitors' windows: a class of their own and no title, so that the saver's watch,
// which looks for the scene's title, finds the primary's window alone.
constexpr const char* kMonitorWindowClass = "Lumovane_Monitor";

// Posted to the primary's window when the monitors change: the windows are made and destroyed
// from the loop, never inside another window's paint.
constexpr UINT kFollowMonitors = WM_APP + 1;

// One window over one monitor.
struct MonitorView {
    HWND window = nullptr;
    MonitorPlace place;
    // False for a monitor attached during the session: black is all it gets.
    bool starField = true;
    win::WindowDc deviceContext;
    GlContext renderContext;
    std::int32_t clientWidth = 0;
    std::int32_t clientHeight = 0;
    bool sceneReady = false;
    FrameClock clock;
    FramePacer pacer;
    SceneState scene;
    std::uint32_t seed = 1;
    // The monitor's photograph, until its scene has made a texture of it.
    MonitorPicture picture;
};

struct RendererProgram {
    HINSTANCE instance = nullptr;
    // views[0] is the primary monitor's: the scene the saver watches for. Each window keeps its
    // view in its own data, so a view stays where it is for as long as its window lives.
    std::vector<std::unique_ptr<MonitorView>> views;
    DisplayRest rest;
    DisplayNotice displayNotice;
    std::uint32_t monitorsSeen = 0;
    std::int64_t countFrequency = 1;
    // Whether the primary's swaps wait for its display, so that the loop need not.
    SwapWaitProbe swapWait;
};

RendererProgram program;

std::int64_t QueryCounter() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

bool IsPrimary(const MonitorView& view) {
    return !program.views.empty() && program.views.front().get() == &view;
}

std::size_t IndexOf(const MonitorView& view) {
    for (std::size_t i = 0; i < program.views.size(); ++i) {
        if (program.views[i].get() == &view) {
            return i;
        }
    }
    return program.views.size();
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

// A monitor whose frames the loop asks for: a star field, set up, with a context of its own.
bool Draws(const MonitorView& view) {
    return view.starField && view.window != nullptr && view.sceneReady &&
           view.renderContext.Valid();
}

// Each monitor's rate read afresh (at the start, after a change of the displays, with the
// display back), the next frame of each due at once, and the primary's swaps probed again.
void StartPacing() {
    for (std::size_t i = 0; i < program.views.size(); ++i) {
        MonitorView& view = *program.views[i];
        view.pacer.SetRate(program.countFrequency, ReportedRefreshHz(view.window));
        view.pacer.Restart();
        bench::OnRefreshRate(i, view.pacer.refreshHz());
    }
    if (!program.views.empty()) {
        program.swapWait.Start(program.views.front()->pacer.period());
    }
}

// Asks for a frame on every monitor that is due: the next WM_PAINT of each draws it. Returns how
// long the loop may wait when none is due; none when no monitor can draw (the display is off).
std::optional<std::int64_t> RequestDueFrames() {
    if (program.rest.dark()) {
        return std::nullopt;
    }
    // While the primary's swaps are probed every monitor draws on every pass, as in the start-up:
    // the first frames come as soon as each scene is ready. A primary that cannot draw tells
    // nothing, and the loop paces every monitor itself.
    const bool probing =
        !program.views.empty() && Draws(*program.views.front()) && program.swapWait.probing();
    PassPlan plan(QueryCounter());
    for (const auto& view : program.views) {
        if (!Draws(*view)) {
            continue;
        }
        const bool atOnce =
            bench::PacingOff() || probing || (IsPrimary(*view) && !program.swapWait.loopWaits());
        if (plan.Draws(view->pacer, atOnce)) {
            InvalidateRect(view->window, nullptr, FALSE);
        }
    }
    return plan.waitTicks();
}

void PaintView(MonitorView& view) {
    const bool primary = IsPrimary(view);
    if (primary) {
        // Every paint hides the cursor once more, ready or not, so it stays hidden over the scene.
        ShowCursor(FALSE);
    }
    if (!view.starField) {
        // A black cover: the class's brush paints it.
        PAINTSTRUCT paint;
        BeginPaint(view.window, &paint);
        EndPaint(view.window, &paint);
        return;
    }
    if (!view.sceneReady) {
        // The update region stays invalid until the scene can draw into it.
        return;
    }
    if (program.rest.dark() || !view.renderContext.Valid()) {
        // Nobody sees the display: nothing is drawn, and the clock stands until it is back. (A
        // monitor whose context could not be made stays black; its frames would go elsewhere.)
        ValidateRect(view.window, nullptr);
        return;
    }
    view.renderContext.MakeCurrent();
    const std::int64_t now = QueryCounter();
    const float frameSeconds = view.clock.Step(now);
    view.pacer.FrameStarted(now);
    if (primary) {
        program.swapWait.FrameStarted(now);
    }
    DrawFrame(view.scene, frameSeconds);
    if (primary) {
        bench::Mark(bench::Step::FrameIssued);
    }
    SwapBuffers(view.deviceContext.Get());
    ValidateRect(view.window, nullptr);
    bench::OnFrameDrawn(IndexOf(view), frameSeconds);
    if (primary && bench::WantsDarkDisplay()) {
        SendDisplayState(view.window, DisplayRest::kOff);
    }
}

void OnDisplayState(std::uint32_t state) {
    switch (program.rest.Report(state)) {
    case DisplayRest::Change::WentDark:
        bench::OnDisplayRest(true);
        break;
    case DisplayRest::Change::CameBack: {
        // The animation goes on where it stopped: the dark time is no step of any clock.
        const std::int64_t now = QueryCounter();
        for (const auto& view : program.views) {
            view->clock.Resume(now);
        }
        StartPacing();
        bench::OnDisplayRest(false);
        break;
    }
    case DisplayRest::Change::None:
        break;
    }
}

// The view's window knows its view from its first message: it comes as the create parameter.
bool OpenMonitorWindow(MonitorView& view, HWND owner) {
    const MonitorPlace& p = view.place;
    // Topmost, so that no taskbar or always-on-top window stays over the star field; owned by
    // the primary's window, so that they go when it goes.
    const HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kMonitorWindowClass, "",
                                        WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, p.left, p.top,
                                        p.width, p.height, owner, nullptr, program.instance, &view);
    if (window == nullptr) {
        return false;
    }
    // The primary keeps the keyboard until the user clicks another monitor.
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    return true;
}

// After a change of the displays the primary's window covers the primary screen again, at its new
// resolution: its WM_SIZE gives the scene the new size, and the picture stays.
void FollowPrimary(HWND primary) {
    RECT r{};
    if (GetWindowRect(primary, &r) == FALSE) {
        return;
    }
    const MonitorPlace window{r.left, r.top, r.right - r.left, r.bottom - r.top};
    if (const auto screen = FollowPrimaryScreen(window, GetSystemMetrics(SM_CXSCREEN),
                                                GetSystemMetrics(SM_CYSCREEN))) {
        SetWindowPos(primary, nullptr, screen->left, screen->top, screen->width, screen->height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// After a change of the monitors: a monitor attached gets a black window, a monitor gone loses
// its own.
void FollowMonitors(HWND primary) {
    std::vector<MonitorPlace> covered;
    for (std::size_t i = 1; i < program.views.size(); ++i) {
        covered.push_back(program.views[i]->place);
    }
    const LayoutChange change = CompareLayouts(covered, OtherMonitors());
    for (auto gone = change.gone.rbegin(); gone != change.gone.rend(); ++gone) {
        const auto at = program.views.begin() + static_cast<std::ptrdiff_t>(*gone + 1);
        if ((*at)->window != nullptr) {
            DestroyWindow((*at)->window);
        }
        program.views.erase(at);
    }
    for (const MonitorPlace& place : change.added) {
        auto view = std::make_unique<MonitorView>();
        view->place = place;
        view->starField = false;
        if (OpenMonitorWindow(*view, primary)) {
            program.views.push_back(std::move(view));
        }
    }
}

LRESULT HandleMessage(MonitorView& view, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool primary = IsPrimary(view);
    switch (message) {
    case WM_CREATE:
        if (view.starField) {
            view.deviceContext.Acquire(window);
            SetupPixelFormat(view.deviceContext.Get());
            view.renderContext.Create(view.deviceContext.Get());
            // A pass over every monitor waits for one vertical blank at the most: the primary's.
            view.renderContext.SetSwapInterval(primary && !bench::PacingOff() ? 1 : 0);
            bench::Mark(bench::Step::ContextMade);
        }
        return 0;
    case WM_SIZE:
        view.clientWidth = LOWORD(lParam);
        view.clientHeight = HIWORD(lParam);
        if (view.renderContext.Valid()) {
            view.renderContext.MakeCurrent();
            if (view.sceneReady) {
                ResizeScene(view.clientWidth, view.clientHeight);
            } else {
                ResizeViewport(view.clientWidth, view.clientHeight);
            }
        }
        return 0;
    case WM_PAINT:
        PaintView(view);
        return 0;
    case WM_SETCURSOR:
        if (!primary) {
            // No cursor over the other monitors, whatever the display count says.
            SetCursor(nullptr);
            return TRUE;
        }
        break;
    case WM_KEYDOWN:
        // Only Esc ends the scene; every other key is swallowed. Pressed over another monitor,
        // it is posted to the primary's window, which ends the scene as if it had been pressed
        // there (posted, because that window destroys this one with its own).
        if (wParam == VK_ESCAPE) {
            if (primary) {
                ShowCursor(TRUE);
                DestroyWindow(window);
            } else {
                PostMessageA(program.views.front()->window, message, wParam, lParam);
            }
        }
        return 0;
    case WM_CLOSE:
        if (!primary) {
            PostMessageA(program.views.front()->window, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    case WM_POWERBROADCAST:
        if (primary) {
            if (const auto state = DisplayStateOf(wParam, lParam)) {
                OnDisplayState(*state);
            }
        }
        return TRUE;
    case WM_DISPLAYCHANGE:
        if (primary) {
            PostMessageA(window, kFollowMonitors, 0, 0);
        }
        break;
    case kFollowMonitors:
        if (primary) {
            FollowPrimary(window);
            FollowMonitors(window);
            StartPacing();
        }
        return 0;
    case WM_DESTROY:
        // The texture goes with its own context current, before the context itself.
        view.sceneReady = false;
        if (view.renderContext.Valid()) {
            view.renderContext.MakeCurrent();
            ShutdownScene(view.scene);
        }
        view.renderContext.Reset();
        view.deviceContext.Release();
        if (primary) {
            program.displayNotice.Reset();
            PostQuitMessage(0);
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The view a window draws: handed over as the create parameter and kept in the window's own data
// from its first message (WM_NCCREATE) to its last (WM_NCDESTROY). Before the first (a top-level
// window's WM_GETMINMAXINFO) there is none, and the system's handling serves.
MonitorView* ViewOf(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* view = static_cast<MonitorView*>(
            reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (view != nullptr) {
            view->window = window;
        }
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
    }
    return reinterpret_cast<MonitorView*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// A window that goes, or outlives the program's views, points at no view any more.
void ForgetView(HWND window) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

LRESULT CALLBACK RendererWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        MonitorView* view = ViewOf(window, message, lParam);
        if (view == nullptr) {
            return DefWindowProcA(window, message, wParam, lParam);
        }
        if (message == WM_NCDESTROY) {
            ForgetView(window);
            view->window = nullptr;
        }
        return HandleMessage(*view, window, message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind into the system's dispatcher; the loop simply runs on.
        return 0;
    }
}

bool RegisterWindowClasses(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = RendererWndProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kRendererWindowClass;
    if (RegisterClassA(&windowClass) == 0) {
        return false;
    }
    // Black until the first frame, and for good on a monitor attached during the session.
    windowClass.hCursor = nullptr;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kMonitorWindowClass;
    RegisterClassA(&windowClass);
    return true;
}

int RunMessageLoop() {
    const FrameWait frameWait;
    StartPacing();
    MSG message{};
    // A paint request is pending here: the window has never been validated.
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    while (message.message != WM_QUIT) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        } else if (const std::optional<std::int64_t> wait = RequestDueFrames(); !wait) {
            // Nothing to draw while the display is off (or no monitor can draw): sleep until a
            // message comes (Esc, the display back), rather than spin on frames nobody sees.
            FrameWait::WaitForMessage();
        } else {
            // Until the first monitor's next frame is due; a message ends the wait at once.
            frameWait.Wait(*wait, program.countFrequency);
        }
    }
    return static_cast<int>(message.wParam);
}

// Every other monitor's view with its photograph, taken before any window of this program covers
// it, and a random sequence of its own.
std::vector<std::unique_ptr<MonitorView>> PhotographOtherMonitors() {
    std::vector<std::unique_ptr<MonitorView>> others;
    for (const MonitorPlace& place : OtherMonitors()) {
        auto view = std::make_unique<MonitorView>();
        view->place = place;
        view->seed = SeedForMonitor(++program.monitorsSeen);
        view->picture = CaptureMonitor(place);
        others.push_back(std::move(view));
    }
    return others;
}

// The window the saver watches for, titled and registered with the name both programs share,
// over the whole primary screen.
bool OpenPrimaryWindow(MonitorView& view) {
    const HWND window = CreateWindowExA(
        0, kRendererWindowClass, kRendererWindowTitle, WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
        CW_USEDEFAULT, CW_USEDEFAULT, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
        nullptr, nullptr, program.instance, &view);
    if (window == nullptr) {
        return false;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return true;
}

// The primary's window, then one over every other monitor, owned by it; a monitor whose window
// cannot be made is left out. False when the primary's cannot be made.
bool OpenWindows(std::vector<std::unique_ptr<MonitorView>> others) {
    bench::Mark(bench::Step::WindowBegins);
    MonitorView& primary = *program.views.front();
    if (!OpenPrimaryWindow(primary)) {
        return false;
    }
    for (auto& view : others) {
        if (OpenMonitorWindow(*view, primary.window)) {
            program.views.push_back(std::move(view));
        }
    }
    others.clear();
    program.displayNotice.Register(primary.window);
    bench::Mark(bench::Step::WindowShown);
    return true;
}

// Every monitor's animation starts now: the first step covers the scenes' set-up.
void StartClocks() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    program.countFrequency = frequency.QuadPart;
    const std::int64_t start = QueryCounter();
    for (const auto& view : program.views) {
        view->clock.Start(program.countFrequency, start);
    }
}

// One monitor's scene, texture included, set up in its own context (index 0 the primary's, from
// the snapshot file). False when the primary's cannot be set up.
bool SetUpScene(MonitorView& view, std::size_t index) {
    if (index != 0 && !view.renderContext.Valid()) {
        // Without a context of its own, its set-up would land in the primary's; its paints
        // only validate, so that they never hold up the loop.
        view.picture = MonitorPicture{};
        view.sceneReady = true;
        return true;
    }
    bench::BeginView(index);
    view.renderContext.MakeCurrent();
    SceneSource source;
    source.snapshotFile = index == 0;
    source.picture = view.picture.captured() ? &view.picture.view : nullptr;
    source.seed = view.seed;
    if (!InitScene(view.scene, view.clientWidth, view.clientHeight, source) && index == 0) {
        return false;
    }
    // The texture holds its own copy; the photograph is not kept for the whole run.
    view.picture = MonitorPicture{};
    view.sceneReady = true;
    return true;
}

bool SetUpScenes() {
    bench::Mark(bench::Step::SceneBegins);
    for (std::size_t i = 0; i < program.views.size(); ++i) {
        if (!SetUpScene(*program.views[i], i)) {
            return false;
        }
    }
    bench::Mark(bench::Step::SceneReady);
    return true;
}

// After the loop: nothing is drawn again, the primary's texture is given back, and the views go,
// forgotten by any window still open.
void CloseScenes() {
    for (const auto& view : program.views) {
        view->sceneReady = false;
    }
    ShutdownScene(program.views.front()->scene);
    for (const auto& view : program.views) {
        if (view->window != nullptr) {
            ForgetView(view->window);
        }
    }
    program.views.clear();
}

int Run(HINSTANCE instance) {
    program.instance = instance;
    program.views.clear();
    program.views.push_back(std::make_unique<MonitorView>());
    if (!RegisterWindowClasses(instance)) {
        return 0;
    }
    if (!OpenWindows(PhotographOtherMonitors())) {
        return 0;
    }
    StartClocks();
    if (!SetUpScenes()) {
        return 0;
    }
    const int exitCode = RunMessageLoop();
    CloseScenes();
    return exitCode;
}

} // namespace

int RunRenderer(HINSTANCE instance) {
    return Run(instance);
}

} // namespace lumo
