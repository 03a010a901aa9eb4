#pragma once
// The star-field scene as the window program sees it: one state record per monitor, set up once
// in that monitor's GL context, drawn once per frame into its back buffer (the caller swaps),
// told about new window sizes, and released while its context is still current.

#include "star_field.h"
#include "texture.h"
#include "texture_pyramid.h"

#include <cstdint>

namespace lumo {

struct SceneState {
    StarField stars;
    Texture texture;
};

// Where a monitor's stars get their picture and their random sequence. The primary reads the
// snapshot file the saver wrote; every other monitor shows the picture the renderer captured of
// it, and a monitor whose capture failed (no picture) shows flat tinted stars, never another
// monitor's desktop.
struct SceneSource {
    bool snapshotFile = true;
    const PictureView* picture = nullptr; // when not the snapshot file
    std::uint32_t seed = 1;
};

bool InitScene(SceneState& scene, std::int32_t clientWidth, std::int32_t clientHeight,
               const SceneSource& source);
void DrawFrame(SceneState& scene, float frameSeconds);
// Only the viewport: a window sized before its scene is set up.
void ResizeViewport(std::int32_t width, std::int32_t height);
// A scene set up and then resized (the primary's resolution changed): the viewport and the
// camera's lens take the new size; the picture and the stars stay.
void ResizeScene(std::int32_t width, std::int32_t height);
// Gives the texture back; call it with the scene's context current (or none at all).
void ShutdownScene(SceneState& scene);

} // namespace lumo
