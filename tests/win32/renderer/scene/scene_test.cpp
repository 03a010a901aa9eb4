// The scene in a real GL context: the state its set-up leaves, what a resize changes, and what
// the first frames put into the back buffer.

#include "scene.h"

#include "hidden_gl_window.h"
#include "program_contract.h"

#include <windows.h>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

namespace {

using lumo::testing::HiddenGlWindow;

std::array<GLfloat, 16> Matrix(GLenum which) {
    std::array<GLfloat, 16> m{};
    glGetFloatv(which, m.data());
    return m;
}

std::array<GLint, 4> Viewport() {
    std::array<GLint, 4> v{};
    glGetIntegerv(GL_VIEWPORT, v.data());
    return v;
}

class SceneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(gl_.ready()) << "no GL context (run inside the Wine bench)";
    }
    HiddenGlWindow gl_;
    lumo::SceneState scene_;
    lumo::SceneSource source_; // the snapshot file, which these tests leave missing
};

TEST_F(SceneTest, SetUpLeavesPerspectiveCameraAndAdditiveBlending) {
    ASSERT_TRUE(lumo::InitScene(scene_, 200, 100, source_));
    EXPECT_EQ(Viewport(), (std::array<GLint, 4>{0, 0, 200, 100}));

    // A 55-degree vertical field for a 2:1 window, planes at 1 and 20, worked out by hand.
    const double f = 1.0 / std::tan(27.5 * 3.14159265358979 / 180.0);
    const auto projection = Matrix(GL_PROJECTION_MATRIX);
    EXPECT_NEAR(projection[0], f / 2.0, 1e-5);
    EXPECT_NEAR(projection[5], f, 1e-5);
    EXPECT_NEAR(projection[10], 21.0 / -19.0, 1e-5);
    EXPECT_NEAR(projection[11], -1.0, 1e-6);
    EXPECT_NEAR(projection[14], 40.0 / -19.0, 1e-5);

    const auto modelView = Matrix(GL_MODELVIEW_MATRIX);
    EXPECT_FLOAT_EQ(modelView[12], 0.0f);
    EXPECT_FLOAT_EQ(modelView[13], 0.0f);
    EXPECT_FLOAT_EQ(modelView[14], -3.0f);

    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    GLint source = 0;
    GLint destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(source, GL_SRC_ALPHA);
    EXPECT_EQ(destination, GL_ONE);
}

TEST_F(SceneTest, AResizeMovesTheViewportNeverToZeroHeightAndOnceSetUpTheLensToo) {
    ASSERT_TRUE(lumo::InitScene(scene_, 200, 100, source_));
    const auto projection = Matrix(GL_PROJECTION_MATRIX);
    const auto modelView = Matrix(GL_MODELVIEW_MATRIX);
    lumo::ResizeViewport(100, 0);
    EXPECT_EQ(Viewport(), (std::array<GLint, 4>{0, 0, 100, 1}));
    EXPECT_EQ(Matrix(GL_PROJECTION_MATRIX), projection);

    // A scene resized once set up (a new resolution) takes the new shape in its lens too; the
    // camera stays.
    lumo::ResizeScene(300, 100);
    EXPECT_EQ(Viewport(), (std::array<GLint, 4>{0, 0, 300, 100}));
    const double f = 1.0 / std::tan(27.5 * 3.14159265358979 / 180.0);
    EXPECT_NEAR(Matrix(GL_PROJECTION_MATRIX)[0], f / 3.0, 1e-5);
    EXPECT_NEAR(Matrix(GL_PROJECTION_MATRIX)[5], f, 1e-5);
    EXPECT_EQ(Matrix(GL_MODELVIEW_MATRIX), modelView);
}

TEST_F(SceneTest, FirstFrameIsBlackAndTheStarsShineFromTheThird) {
    gl_.Show();
    ASSERT_TRUE(lumo::InitScene(scene_, 64, 64, source_));
    glReadBuffer(GL_BACK);
    std::vector<unsigned char> pixels(64 * 64 * 3);
    auto litPixels = [&] {
        glReadPixels(0, 0, 64, 64, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        int lit = 0;
        for (std::size_t i = 0; i < pixels.size(); i += 3) {
            lit += (pixels[i] | pixels[i + 1] | pixels[i + 2]) != 0 ? 1 : 0;
        }
        return lit;
    };
    // Every star starts beyond its size limit: drawn black, then born again at scale 0.
    lumo::DrawFrame(scene_, 0.0f);
    EXPECT_EQ(litPixels(), 0);
    // The second frame draws the newborn stars at scale 0 and grows them by a second's worth.
    lumo::DrawFrame(scene_, 1.0f);
    EXPECT_EQ(litPixels(), 0);
    lumo::DrawFrame(scene_, 0.0f);
    EXPECT_GT(litPixels(), 64 * 64 / 10);
}

// The sum of each colour over the back buffer after the stars have shone for a frame.
struct ColourSums {
    long long red = 0, green = 0, blue = 0;
};
ColourSums ThirdFrame(lumo::SceneState& scene) {
    lumo::DrawFrame(scene, 0.0f);
    lumo::DrawFrame(scene, 1.0f);
    lumo::DrawFrame(scene, 0.0f);
    glReadBuffer(GL_BACK);
    std::vector<unsigned char> pixels(64 * 64 * 3);
    glReadPixels(0, 0, 64, 64, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    ColourSums sums;
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
        sums.red += pixels[i];
        sums.green += pixels[i + 1];
        sums.blue += pixels[i + 2];
    }
    return sums;
}

// Another monitor shows the picture captured of it; without one it shows flat tinted stars,
// never the primary's snapshot file (here all red).
TEST_F(SceneTest, AnotherMonitorShowsItsOwnPictureAndNeverTheSnapshot) {
    gl_.Show();
    CreateDirectoryA(lumo::kSnapshotFolder, nullptr);
    {
        std::vector<std::uint8_t> red(54 + 8 * 8 * 3);
        const std::uint8_t header[] = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  40,
                                       0,   0,   0, 8, 0, 0, 0, 8, 0, 0, 0,  1, 0, 24, 0};
        std::copy(std::begin(header), std::end(header), red.begin());
        for (std::size_t i = 54; i < red.size(); i += 3) {
            red[i + 2] = 255;
        }
        std::ofstream(lumo::SnapshotPath, std::ios::binary)
            .write(reinterpret_cast<const char*>(red.data()),
                   static_cast<std::streamsize>(red.size()));
    }
    std::vector<std::uint8_t> blue(16 * 16 * 3);
    for (std::size_t i = 0; i < blue.size(); i += 3) {
        blue[i] = 200; // blue, green, red
    }
    const lumo::PictureView picture{blue.data(), 16, 16, 16 * 3};

    lumo::SceneSource captured;
    captured.snapshotFile = false;
    captured.picture = &picture;
    captured.seed = lumo::SeedForMonitor(1);
    ASSERT_TRUE(lumo::InitScene(scene_, 64, 64, captured));
    const ColourSums own = ThirdFrame(scene_);
    EXPECT_GT(own.blue, 64 * 64 * 5);
    EXPECT_EQ(own.red + own.green, 0);

    lumo::SceneSource none = captured;
    none.picture = nullptr;
    lumo::SceneState flat;
    ASSERT_TRUE(lumo::InitScene(flat, 64, 64, none));
    const ColourSums tints = ThirdFrame(flat);
    EXPECT_GT(tints.green, 0) << "not flat tints: the snapshot file was read";
    EXPECT_GT(tints.blue, 0) << "not flat tints: the snapshot file was read";
    lumo::ShutdownScene(flat);
    DeleteFileA(lumo::SnapshotPath);
}

} // namespace
