// The texture in a real GL context: a hidden window with its own DC, as the renderer makes it.

#include "texture.h"

#include "bmp_builder.h"
#include "hidden_gl_window.h"
#include "temp_file.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

using lumo::testing::BmpRecipe;
using lumo::testing::BuildBmp;
using lumo::testing::HiddenGlWindow;
using lumo::testing::TempFile;

GLint LevelWidth(GLint level) {
    GLint width = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    return width;
}

std::vector<std::uint8_t> SolidBmp(std::int32_t width, std::int32_t height, std::uint8_t blue,
                                   std::uint8_t green, std::uint8_t red) {
    BmpRecipe recipe;
    recipe.width = width;
    recipe.height = height;
    auto bytes = BuildBmp(recipe);
    const std::size_t stride = lumo::testing::TestStride(width);
    for (std::size_t row = 0; row < static_cast<std::size_t>(height); ++row) {
        for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
            std::uint8_t* p = &bytes[54 + row * stride + x * 3];
            p[0] = blue;
            p[1] = green;
            p[2] = red;
        }
    }
    return bytes;
}

// Something like a desktop: smooth gradients, hard-edged windows, and a little noise.
std::vector<std::uint8_t> DesktopBmp(std::int32_t width, std::int32_t height) {
    BmpRecipe recipe;
    recipe.width = width;
    recipe.height = height;
    auto bytes = BuildBmp(recipe);
    const std::size_t stride = lumo::testing::TestStride(width);
    std::uint32_t noise = 1;
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const bool window = (x / 97 + y / 61) % 3 == 0;
            noise = noise * 1664525u + 1013904223u;
            for (std::size_t c = 0; c < 3; ++c) {
                const double wave =
                    127.5 + 127.5 * std::sin(x * 0.013 * static_cast<double>(c + 1) + y * 0.021);
                const int value =
                    (window ? 230 - 40 * static_cast<int>(c) : static_cast<int>(wave)) +
                    static_cast<int>(noise >> 28) - 8;
                bytes[54 + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3 +
                      c] = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
            }
        }
    }
    return bytes;
}

struct Level {
    GLint width = 0;
    GLint height = 0;
    std::vector<std::uint8_t> texels;
};

std::vector<Level> ReadLevels() {
    std::vector<Level> levels;
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (GLint i = 0; LevelWidth(i) > 0; ++i) {
        Level level;
        level.width = LevelWidth(i);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, i, GL_TEXTURE_HEIGHT, &level.height);
        level.texels.resize(static_cast<std::size_t>(level.width * level.height) * 3);
        glGetTexImage(GL_TEXTURE_2D, i, GL_RGB, GL_UNSIGNED_BYTE, level.texels.data());
        levels.push_back(std::move(level));
    }
    return levels;
}

class TextureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The bench always has Mesa; a context that cannot be made is a fault, not a skip.
        ASSERT_TRUE(gl_.ready()) << "no GL context (run inside the Wine bench)";
    }
    HiddenGlWindow gl_;
};

TEST_F(TextureTest, CreateBindsAFreshNameWithTheFilters) {
    lumo::Texture texture;
    ASSERT_TRUE(texture.Create("c:\\v_olka\\Lumovane.bmp"));
    EXPECT_STREQ(texture.path(), "c:\\v_olka\\Lumovane.bmp");
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_NE(bound, 0);
    EXPECT_TRUE(glIsTexture(static_cast<GLuint>(bound)));
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
    EXPECT_EQ(value, GL_LINEAR_MIPMAP_NEAREST);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &value);
    EXPECT_EQ(value, GL_LINEAR);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &value);
    EXPECT_EQ(value, GL_REPEAT);

    // A second Create lets the first name go before it takes a new one (a driver may then
    // hand out the same number again, so only the new one is checked to be live).
    texture.Create("again");
    GLint second = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &second);
    EXPECT_TRUE(glIsTexture(static_cast<GLuint>(second)));
    texture.Release();
    EXPECT_FALSE(glIsTexture(static_cast<GLuint>(second)));
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
}

TEST_F(TextureTest, LoadsBlueGreenRedRowsAsAMipmappedImage) {
    TempFile file("lumo_texture_solid.bmp", SolidBmp(100, 60, 10, 200, 50));
    lumo::Texture texture;
    ASSERT_TRUE(texture.LoadBmp(file.path()));
    texture.Bind();
    EXPECT_EQ(texture.width(), 100);
    EXPECT_EQ(texture.height(), 60);
    const GLint width = LevelWidth(0);
    ASSERT_GT(width, 0);
    EXPECT_EQ(width & (width - 1), 0) << "scaled to a power of two";
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(width * height) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    EXPECT_EQ(texels[0], 50);
    EXPECT_EQ(texels[1], 200);
    EXPECT_EQ(texels[2], 10);
    EXPECT_GT(LevelWidth(1), 0) << "mipmap levels are built";
}

TEST_F(TextureTest, EveryLevelLooksLikeTheSystemBuildersLevel) {
    // 1366 x 768 is scaled up across and down the other way (to 1024 x 1024).
    const std::vector<std::uint8_t> bytes = DesktopBmp(1366, 768);
    TempFile file("lumo_texture_desktop.bmp", bytes);
    lumo::Texture texture;
    ASSERT_TRUE(texture.LoadBmp(file.path()));
    const std::vector<Level> ours = ReadLevels();

    GLuint reference = 0;
    glGenTextures(1, &reference);
    glBindTexture(GL_TEXTURE_2D, reference);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    ASSERT_EQ(gluBuild2DMipmaps(GL_TEXTURE_2D, 3, 1366, 768, GL_BGR_EXT, GL_UNSIGNED_BYTE,
                                bytes.data() + 54),
              0);
    const std::vector<Level> system = ReadLevels();
    glDeleteTextures(1, &reference);

    ASSERT_EQ(ours.size(), system.size());
    for (std::size_t i = 0; i < ours.size(); ++i) {
        ASSERT_EQ(ours[i].width, system[i].width) << "level " << i;
        ASSERT_EQ(ours[i].height, system[i].height) << "level " << i;
        for (std::size_t c = 0; c < 3; ++c) {
            double sum = 0.0;
            for (std::size_t at = c; at < ours[i].texels.size(); at += 3) {
                sum += std::abs(ours[i].texels[at] - system[i].texels[at]);
            }
            const double mean = sum / static_cast<double>(ours[i].texels.size() / 3);
            EXPECT_LE(mean, 2.0) << "level " << i << " channel " << c;
        }
    }
}

TEST_F(TextureTest, AFailedLoadKeepsANameWithoutAnImage) {
    BmpRecipe recipe;
    recipe.sizeImage = 8; // shorter than its rows
    TempFile damaged("lumo_texture_damaged.bmp", BuildBmp(recipe));
    for (const char* path : {damaged.path(), "Z:\\no\\such\\Lumovane.bmp"}) {
        lumo::Texture texture;
        EXPECT_FALSE(texture.LoadBmp(path));
        texture.Bind();
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_NE(bound, 0);
        EXPECT_EQ(LevelWidth(0), 0) << path;
    }
}

TEST_F(TextureTest, ATopDownFileIsHandedOnAndLeavesNoImage) {
    std::vector<std::uint8_t> bytes;
    {
        BmpRecipe recipe;
        recipe.width = 8;
        recipe.height = -8;
        bytes = BuildBmp(recipe);
    }
    TempFile topDown("lumo_texture_topdown2.bmp", bytes);
    lumo::Texture texture;
    EXPECT_TRUE(texture.LoadBmp(topDown.path()));
    EXPECT_EQ(texture.height(), -8);
    EXPECT_EQ(LevelWidth(0), 0);
}

} // namespace
