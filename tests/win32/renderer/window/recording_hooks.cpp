#include "recording_hooks.h"

#include "bench_hooks.h"

#include <windows.h>

namespace lumo {
namespace {

std::vector<testing::DrawnFrame> frames;

} // namespace

const std::vector<testing::DrawnFrame>& testing::DrawnFrames() {
    return frames;
}

namespace bench {

void OnEntry() {}
void Mark(Step) {}
void BeginView(std::size_t) {}
void OnSnapshotRead(double) {}
void OnTextureBuilt(double, bool) {}
void OnTextureStorage(double) {}
void KeepPicture(std::shared_ptr<const void>, const std::uint8_t*, std::int32_t, std::int32_t) {}
void OnFrameDrawn(std::size_t view, float frameSeconds) {
    frames.push_back({view, frameSeconds});
}
void OnRefreshRate(std::size_t, std::uint32_t) {}
bool PacingOff() {
    return false;
}
bool WantsDarkDisplay() {
    return false;
}
void OnDisplayRest(bool) {}
void OnExit() {}
double Now() {
    return 0.0;
}

} // namespace bench
} // namespace lumo
