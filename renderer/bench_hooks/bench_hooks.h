#pragma once
// Measuring points for the benchmark build. In the shipped program they are empty and vanish;
// the benchmark build (LUMO_BENCH) records them and writes a report when the program ends.

#include <cstddef>
#include <cstdint>
#include <memory>

namespace lumo::bench {

// The start-up steps, in the order they happen; each is recorded the first time it is reached.
enum class Step : std::uint8_t {
    WindowBegins, // before the window is made
    ContextMade,  // the window's GL context is current
    WindowShown,  // the windows are shown and updated
    SceneBegins,  // before the scenes' set-up
    SceneReady,   // every monitor's scene is set up, textures included
    FrameIssued,  // the first frame's drawing commands are issued, before its swap
    Count,
};

#ifdef LUMO_BENCH
void OnEntry();
void Mark(Step step);
// The scene set up next is that of monitor `view` (0 the primary); the texture figures that
// follow are its own.
void BeginView(std::size_t view);
void OnSnapshotRead(double seconds);
void OnTextureBuilt(double seconds, bool textured);
// Of the build, the GL's laying out of the texture's storage, before any texel is given.
void OnTextureStorage(double seconds);
// The benchmark build keeps the picture, to time the system's builder on it later.
void KeepPicture(std::shared_ptr<const void> storage, const std::uint8_t* pixels,
                 std::int32_t width, std::int32_t height);
void OnFrameDrawn(std::size_t view, float frameSeconds);
// The refresh rate monitor `view` is paced at.
void OnRefreshRate(std::size_t view, std::uint32_t hz);
// True when the benchmark wants the loop unpaced, as it was before pacing: every monitor drawn on
// every pass, no swap asked to wait; for the figures pacing is weighed against.
bool PacingOff();
// True once, when the benchmark wants the display reported off (the system never reports it
// under Wine); the window then takes the very notice the system would send.
bool WantsDarkDisplay();
void OnDisplayRest(bool dark);
void OnExit();
double Now(); // seconds on the performance counter
#else
inline void OnEntry() {}
inline void Mark(Step) {}
inline void BeginView(std::size_t) {}
inline void OnSnapshotRead(double) {}
inline void OnTextureBuilt(double, bool) {}
inline void OnTextureStorage(double) {}
inline void KeepPicture(std::shared_ptr<const void>, const std::uint8_t*, std::int32_t,
                        std::int32_t) {}
inline void OnFrameDrawn(std::size_t, float) {}
inline void OnRefreshRate(std::size_t, std::uint32_t) {}
inline bool PacingOff() {
    return false;
}
inline bool WantsDarkDisplay() {
    return false;
}
inline void OnDisplayRest(bool) {}
inline void OnExit() {}
inline double Now() {
    return 0.0;
}
#endif

} // namespace lumo::bench
