// The texture in a real GL context: a hidden window with its own DC, as the renderer makes it.

#include "texture.h"

#include "bmp_builder.h"
#include "hidden_gl_window.h"
#include "temp_file.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

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
