// The same-work floor for the renderer benchmark: the same window, loop and timing as the
// renderer, and the same GL work without the program's own logic: a picture of the screen's size
// made in memory (no file), mipmapped by the system's builder, and six large textured quads
// blended over black every frame. What the renderer's start costs beyond this is its own.

#include "bench_hooks.h"
#include "picture_quad.h"
#include "scene.h"
#include "texture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace lumo {
namespace {

constexpr int kQuads = 6;

// Noise rather than a pattern: the builder runs markedly faster on a regular picture, and the
// snapshot of a real desktop is not one.
std::vector<std::uint8_t> MakePicture(std::int32_t width, std::int32_t height) {
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> picture(stride * static_cast<std::size_t>(height));
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    for (std::size_t at = 0; at + 8 <= picture.size(); at += 8) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        std::memcpy(&picture[at], &state, 8);
    }
    return picture;
}

} // namespace

bool InitScene(SceneState& scene, std::int32_t clientWidth, std::int32_t clientHeight,
               const SceneSource&) {
    glViewport(0, 0, clientWidth, clientHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(55.0, static_cast<double>(clientWidth) / static_cast<double>(clientHeight), 1.0,
                   20.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -3.0f);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);

    const double fillStart = bench::Now();
    const std::vector<std::uint8_t> picture = MakePicture(clientWidth, clientHeight);
    bench::OnSnapshotRead(bench::Now() - fillStart);

    // The same name, parameters and binding as the snapshot's texture; only the image differs.
    scene.texture.Create("memory");
    const double buildStart = bench::Now();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    const int built = gluBuild2DMipmaps(GL_TEXTURE_2D, 3, clientWidth, clientHeight, GL_BGR_EXT,
                                        GL_UNSIGNED_BYTE, picture.data());
    bench::OnTextureBuilt(bench::Now() - buildStart, built == 0);

    glEnable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    return true;
}

void DrawFrame(SceneState&, float) {
    glClear(GL_COLOR_BUFFER_BIT);
    for (int i = 0; i < kQuads; ++i) {
        const float scale = 0.4f + 0.2f * static_cast<float>(i);
        glPushMatrix();
        glScalef(scale, scale, scale);
        glRotatef(15.0f * static_cast<float>(i), 1.0f, 1.0f, 1.0f);
        glColor3f(0.3f + 0.1f * static_cast<float>(i), 0.8f - 0.1f * static_cast<float>(i), 0.5f);
        DrawPictureQuad();
        glPopMatrix();
    }
}

void ResizeViewport(std::int32_t width, std::int32_t height) {
    glViewport(0, 0, width, height == 0 ? 1 : height);
}

void ResizeScene(std::int32_t width, std::int32_t height) {
    ResizeViewport(width, height);
}

void ShutdownScene(SceneState& scene) {
    scene.texture.Release();
}

} // namespace lumo
