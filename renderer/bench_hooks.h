#pragma once
// Measuring points for the benchmark build. In the shipped program they are empty and vanish;
// the benchmark build (LUMO_BENCH) records them and writes a report when the program ends.

#include <cstdint>
#include <memory>

namespace lumo::bench {

// The start-up steps, in the order they happen; each is recorded the first time it is reached.
enum class Step : std::uint8_t {
    WindowBegins, // before the window is made
    ContextMade,  // the window's GL context is current
    WindowShown,  // the window is shown and updated
    SceneBegins,  // before the scene's set-up
    SceneReady,   // the scene is set up, snapshot texture included
    FrameIssued,  // the first frame's drawing commands are issued, before its swap
    Count,
};

#ifdef LUMO_BENCH
void OnEntry();
void Mark(Step step);
void OnSnapshotRead(double seconds);
void OnTextureBuilt(double seconds, bool textured);
// Of the build, the GL's laying out of the texture's storage, before any texel is given.
void OnTextureStorage(double seconds);
// The benchmark build keeps the picture, to time the system's builder on it later.
void KeepPicture(std::shared_ptr<const void> storage, const std::uint8_t* pixels,
                 std::int32_t width, std::int32_t height);
void OnFrameDrawn(float frameSeconds);
void OnExit();
double Now(); // seconds on the performance counter
#else
inline void OnEntry() {}
inline void Mark(Step) {}
inline void OnSnapshotRead(double) {}
inline void OnTextureBuilt(double, bool) {}
inline void OnTextureStorage(double) {}
inline void KeepPicture(std::shared_ptr<const void>, const std::uint8_t*, std::int32_t,
                        std::int32_t) {}
inline void OnFrameDrawn(float) {}
inline void OnExit() {}
inline double Now() {
    return 0.0;
}
#endif

} // namespace lumo::bench
