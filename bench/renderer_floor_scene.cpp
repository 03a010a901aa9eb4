// The floor for the renderer benchmark: the same window, loop and timing as the renderer, with
// a scene that only clears. What the real scene costs is its figures over these.

#include "scene.h"

#include <GL/gl.h>

namespace lumo {

bool InitScene(SceneState&, std::int32_t clientWidth, std::int32_t clientHeight,
               const SceneSource&) {
    glViewport(0, 0, clientWidth, clientHeight);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    return true;
}

void DrawFrame(SceneState&, float) {
    glClear(GL_COLOR_BUFFER_BIT);
}

void ResizeViewport(std::int32_t width, std::int32_t height) {
    glViewport(0, 0, width, height == 0 ? 1 : height);
}

void ResizeScene(std::int32_t width, std::int32_t height) {
    ResizeViewport(width, height);
}

void ShutdownScene(SceneState&) {}

} // namespace lumo
