// The scene in a real GL context: the state its set-up leaves, what a resize changes, and what
// the first frames put into the back buffer.

#include "scene.h"

#include "hidden_gl_window.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
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
};

TEST_F(SceneTest, SetUpLeavesPerspectiveCameraAndAdditiveBlending) {
    ASSERT_TRUE(lumo::InitScene(200, 100));
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

TEST_F(SceneTest, AResizeMovesOnlyTheViewportAndNeverToZeroHeight) {
    ASSERT_TRUE(lumo::InitScene(200, 100));
    const auto projection = Matrix(GL_PROJECTION_MATRIX);
    lumo::ResizeViewport(100, 0);
    EXPECT_EQ(Viewport(), (std::array<GLint, 4>{0, 0, 100, 1}));
    EXPECT_EQ(Matrix(GL_PROJECTION_MATRIX), projection);
}

TEST_F(SceneTest, FirstFrameIsBlackAndTheStarsShineFromTheThird) {
    gl_.Show();
    ASSERT_TRUE(lumo::InitScene(64, 64));
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
    lumo::DrawFrame(0.0f);
    EXPECT_EQ(litPixels(), 0);
    // The second frame draws the newborn stars at scale 0 and grows them by a second's worth.
    lumo::DrawFrame(1.0f);
    EXPECT_EQ(litPixels(), 0);
    lumo::DrawFrame(0.0f);
    EXPECT_GT(litPixels(), 64 * 64 / 10);
}

} // namespace
