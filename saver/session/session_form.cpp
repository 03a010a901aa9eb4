#include "session_form.h"

#include "application.h"
#include "bench_marks.h"
#include "capture_size.h"
#include "program_names.h"
#include "program_services.h"
#include "save_picture.h"
#include "wide_text.h"
#include "win32_handles.h"

namespace lumo {

namespace {

FormDesign SessionDesign() {
    FormDesign design;
    design.caption = FromCp932(kSessionCaption);
    design.border = BorderStyle::None;
    design.showInTaskbar = false;
    design.programIcon = false;
    design.backColour = RGB(0, 0, 0);
    return design;
}

// The saver is aware of the system's DPI only, and the system scales what such a program reads of
// a monitor of another DPI (the primary's DPI changed since log-on, say): its size and its
// pixels. The photograph is taken as a per-monitor aware thread, at the screen's own pixels
// whatever its DPI. The call is looked up, as systems before Windows 10 (1607) lack it; there
// nothing is scaled, and nothing needs changing.
class PhysicalPixelsScope {
  public:
    PhysicalPixelsScope() {
        using SetContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
        const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
        set_ = user32 == nullptr ? nullptr
                                 : reinterpret_cast<SetContext>(reinterpret_cast<void*>(
                                       ::GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
        if (set_ != nullptr) {
            // Per monitor (v2), or per monitor where v2 is not known (Windows 10 before 1703).
            previous_ = set_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
            if (previous_ == nullptr) {
                previous_ = set_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
            }
        }
    }
    // Whether what is read now is in the monitors' own pixels.
    bool Active() const { return previous_ != nullptr; }
    PhysicalPixelsScope(const PhysicalPixelsScope&) = delete;
    PhysicalPixelsScope& operator=(const PhysicalPixelsScope&) = delete;
    ~PhysicalPixelsScope() {
        if (previous_ != nullptr) {
            set_(previous_);
        }
    }

  private:
    DPI_AWARENESS_CONTEXT(WINAPI* set_)(DPI_AWARENESS_CONTEXT) = nullptr;
    DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

PictureBoxDesign DisplayDesign() {
    PictureBoxDesign design;
    design.backColour = RGB(0, 0, 0);
    design.border = false; // the capture must be the screen's size, not a frame smaller
    return design;
}

} // namespace

Lumovane_S::Lumovane_S(ProgramServices& program, MusicPlayer& music, const SessionStart& start)
    : Form(SessionDesign()), Display(*this, DisplayDesign()), Timer1(*this, 1000, false),
      Timer2(*this, 200, false), Timer3(*this, 500, true),
      session_(static_cast<SessionHost&>(*this), program, music, start) {
    Timer1.OnTimer = [this] { session_.Timer1_Timer(); };
    Timer2.OnTimer = [this] { session_.Timer2_Timer(); };
    Timer3.OnTimer = [this] { session_.Timer3_Timer(); };
}

void Lumovane_S::Form_Load() {
    bench::Mark(bench::SaverMark::LoadBegins);
    session_.Form_Load();
    bench::Mark(bench::SaverMark::MusicStarted);
}

void Lumovane_S::Form_QueryUnload(bool& /*cancel*/, UnloadMode /*mode*/) {
    session_.Form_QueryUnload();
}

void Lumovane_S::SizeToScreen() {
    const PhysicalPixelsScope physical;
    const double width = app::ScreenWidthTwips();
    const double height = app::ScreenHeightTwips();
    Move(0, 0, width, height);
    // The form has no border, so its inside is the screen; its own surface, which keeps its
    // load size (see OnMessage), is no measure of it.
    Display.Move(0, 0, width, height);
}

bool Lumovane_S::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& result) {
    // The form is never shown and Display covers all of it, so nothing is ever drawn on the
    // form's own surface: it keeps its load size instead of following the window to the
    // screen's (8 MB at 1920 x 1080, 33 MB at 3840 x 2160). Display alone holds the capture.
    if (message == WM_SIZE) {
        result = 0;
        return true;
    }
    return false;
}

namespace {

// The primary monitor's rectangle, when read in its own pixels.
std::optional<PixelSize> PrimaryMonitorPixels(const PhysicalPixelsScope& physical) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    const HMONITOR primary = ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    if (!physical.Active() || primary == nullptr || !::GetMonitorInfoW(primary, &info)) {
        return std::nullopt;
    }
    return PixelSize{info.rcMonitor.right - info.rcMonitor.left,
                     info.rcMonitor.bottom - info.rcMonitor.top};
}

} // namespace

bool Lumovane_S::CaptureDesktop() {
    const PhysicalPixelsScope physical;
    Surface& picture = Display.Picture();
    // Display took its size from its client area, which its window reads in its own (system)
    // awareness: not the monitor's pixels when the two DPIs differ.
    const PixelSize size = CaptureSizeFor(PrimaryMonitorPixels(physical),
                                          {picture.WidthPixels(), picture.HeightPixels()});
    if (size.width <= 0 || size.height <= 0) {
        return false;
    }
    picture.Resize(size.width, size.height);
    const HWND desktopWindow = ::GetDesktopWindow();
    win::WindowDc desktopDc(desktopWindow);
    if (desktopDc.Get() == nullptr) {
        return false;
    }
    const BOOL copied =
        ::BitBlt(picture.Dc(), 0, 0, size.width, size.height, desktopDc.Get(), 0, 0, SRCCOPY);
    picture.Refresh();
    desktopDc.Release();
    bench::Mark(bench::SaverMark::Captured);
    return copied != FALSE;
}

bool Lumovane_S::SaveSnapshot(const char* path) {
    const bool saved = SavePicture(Display.Picture(), path);
    bench::Mark(bench::SaverMark::SnapshotWritten);
    return saved;
}

void Lumovane_S::DeleteSnapshot(const char* path) {
    shutOut_.Reset();
    RemoveSnapshot(path);
}

void Lumovane_S::ShutOutSnapshot(const char* path) {
    // Not taken away, not replaced: an earlier desktop the renderer must not show.
    shutOut_ = lumo::ShutOutSnapshot(path);
}

void Lumovane_S::StartRenderer(const std::wstring& path) {
    program::Start(path);
    bench::Mark(bench::SaverMark::RendererStarted);
}

Timer& Lumovane_S::TimerOf(SessionTimer timer) {
    switch (timer) {
    case SessionTimer::Mp3Repeat:
        return Timer1;
    case SessionTimer::CdWatch:
        return Timer2;
    case SessionTimer::RendererWatch:
        break;
    }
    return Timer3;
}

bool Lumovane_S::TimerEnabled(SessionTimer timer) {
    return TimerOf(timer).Enabled();
}

void Lumovane_S::SetTimerEnabled(SessionTimer timer, bool enabled) {
    TimerOf(timer).SetEnabled(enabled);
}

void Lumovane_S::Unload() {
    Form::Unload(UnloadMode::FromCode);
}

} // namespace lumo
