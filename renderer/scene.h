#pragma once
// The star-field scene as the window program sees it: set up once, drawn once per frame into
// the back buffer (the caller swaps), told about new window sizes, and released at the end.

#include <cstdint>

namespace lumo {

bool InitScene(std::int32_t clientWidth, std::int32_t clientHeight);
void DrawFrame(float frameSeconds);
void ResizeViewport(std::int32_t width, std::int32_t height);
void ShutdownScene();

} // namespace lumo
