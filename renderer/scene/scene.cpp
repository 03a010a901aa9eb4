#include "scene.h"

#include "program_contract.h"

#include "picture_quad.h"
#include "snapshot_file.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace lumo {
namespace {

constexpr double kFieldOfViewDegrees = 55.0;
constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 20.0;
constexpr float kCameraDistance = 3.0f;

void DrawStar(SceneState& scene, int i, float frameSeconds) {
    StarField& s = scene.stars;
    glPushMatrix();
    glScalef(s.scale[i], s.scale[i], s.scale[i]);
    const float b = StarBrightness(s, i);
    // A star past its size is drawn black, which adds nothing to the picture, and it is then
    // also at its largest: leaving it out changes no pixel and spares the rasterizer (on the
    // first frame, six of them over the whole screen).
    if (b > 0.0f) {
        glRotatef(s.angle[i], 1.0f, 0.0f, 0.0f);
        glRotatef(s.angle[i], 0.0f, 1.0f, 0.0f);
        glRotatef(s.angle[i], 0.0f, 0.0f, 1.0f);
        glColor3f(b * s.red[i], b * s.green[i], b * s.blue[i]);
        DrawPictureQuad();
    }
    // After the quad, so each frame shows the scale from before its own advance.
    AdvanceStar(s, i, frameSeconds);
    glPopMatrix();
}

// The camera's lens for a window of this size; a height of 0 counts as 1.
void SetProjection(std::int32_t width, std::int32_t height) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfViewDegrees,
                   static_cast<double>(width) / static_cast<double>(height == 0 ? 1 : height),
                   kNearPlane, kFarPlane);
    glMatrixMode(GL_MODELVIEW);
}

} // namespace

bool InitScene(SceneState& scene, std::int32_t clientWidth, std::int32_t clientHeight,
               const SceneSource& source) {
    glViewport(0, 0, clientWidth, clientHeight);
    SetProjection(clientWidth, clientHeight);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -kCameraDistance);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);

    scene.stars = StarField{};
    scene.stars.random = SceneRandom(source.seed);
    InitStars(scene.stars);

    // A missing or damaged picture leaves the stars as flat tinted squares; nothing to report.
    if (source.snapshotFile) {
        scene.texture.LoadBmp(SnapshotPath);
        // The file is a photo of the user's desktop and the texture now holds all we need of
        // it, so it goes at once, read or not. The load has let go of it by now (handles
        // closed, view unmapped), which Windows requires of a file to be deleted.
        RemoveSnapshotFile(SnapshotPath);
    } else if (source.picture != nullptr) {
        scene.texture.LoadPicture(*source.picture);
    } else {
        scene.texture.Create("");
    }
    scene.texture.Bind();

    glEnable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    return true;
}

void DrawFrame(SceneState& scene, float frameSeconds) {
    StarField& s = scene.stars;
    glClear(GL_COLOR_BUFFER_BIT);
    glPushMatrix();
    glRotatef(s.sceneAngleX, 1.0f, 0.0f, 0.0f);
    glRotatef(s.sceneAngleY, 0.0f, 1.0f, 0.0f);
    glRotatef(s.sceneAngleZ, 0.0f, 0.0f, 1.0f);
    AdvanceSceneAngles(s, frameSeconds);
    for (int i = 0; i < StarCount; ++i) {
        DrawStar(scene, i, frameSeconds);
    }
    glPopMatrix();
}

void ResizeViewport(std::int32_t width, std::int32_t height) {
    glViewport(0, 0, width, height == 0 ? 1 : height);
}

void ResizeScene(std::int32_t width, std::int32_t height) {
    ResizeViewport(width, height);
    SetProjection(width, height);
}

void ShutdownScene(SceneState& scene) {
    scene.texture.Release();
}

} // namespace lumo
