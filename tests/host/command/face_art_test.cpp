#include "face_art.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace lumo {
namespace {

const FaceArt kAll[] = {FaceArt::Normal, FaceArt::HighLight, FaceArt::Pressed, FaceArt::Disable,
                        FaceArt::Selected};
constexpr Rgb kFrame{0, 60, 116};

bool Near(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
           std::abs(a.blue - b.blue) <= tolerance;
}

int Brightness(Rgb c) {
    return c.red + c.green + c.blue;
}

TEST(FaceArt, TheKeptFilesAreWhatTheGeneratorMakes) {
    for (const FaceArt art : kAll) {
        const std::string path = std::string(LUMO_FACES_DIR) + "/" + FaceArtFileName(art);
        std::ifstream file(path, std::ios::binary);
        ASSERT_TRUE(file) << path;
        const std::vector<std::uint8_t> kept((std::istreambuf_iterator<char>(file)),
                                             std::istreambuf_iterator<char>());
        EXPECT_EQ(kept, FaceArtBitmap(art)) << path << ": run make_faces again";
    }
}

TEST(FaceArt, FilesAre24BitBottomUp64By25) {
    const auto bmp = FaceArtBitmap(FaceArt::Normal);
    ASSERT_EQ(bmp.size(), 54u + 64 * 3 * 25);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[18], 64); // width
    EXPECT_EQ(bmp[22], 25); // height, positive: bottom-up
    EXPECT_EQ(bmp[28], 24); // bits per pixel
    // The first stored row is the bottom one: its first pixel is the margin's corner, and the
    // frame's bottom row lies one row above it.
    const std::size_t secondRow = 54 + 64 * 3 + 10 * 3;
    EXPECT_EQ((Rgb{bmp[secondRow + 2], bmp[secondRow + 1], bmp[secondRow]}), kFrame);
}

TEST(FaceArt, EveryPictureHasALightMarginAndCornersRoundedWithin4Pixels) {
    for (const FaceArt art : kAll) {
        for (int x = 0; x < kFaceArtWidth; ++x) {
            for (const int y : {0, kFaceArtHeight - 1}) {
                EXPECT_TRUE(Near(FaceArtPixel(art, x, y), kFaceMargin, 8)) << x << "," << y;
            }
        }
        for (int y = 0; y < kFaceArtHeight; ++y) {
            for (const int x : {0, kFaceArtWidth - 1}) {
                EXPECT_TRUE(Near(FaceArtPixel(art, x, y), kFaceMargin, 8)) << x << "," << y;
            }
        }
        // Rounded: the pixel diagonally inside each corner is still margin, and the corner
        // region holds frame or face pixels by its fourth pixel.
        EXPECT_TRUE(Near(FaceArtPixel(art, 1, 1), kFaceMargin, 8));
        EXPECT_TRUE(Near(FaceArtPixel(art, 62, 23), kFaceMargin, 8));
        EXPECT_FALSE(Near(FaceArtPixel(art, 3, 3), kFaceMargin, 4));
        EXPECT_FALSE(Near(FaceArtPixel(art, 60, 21), kFaceMargin, 4));
    }
}

TEST(FaceArt, FramesLieWithinTheFourPixelBorder) {
    for (const FaceArt art : {FaceArt::Normal, FaceArt::HighLight, FaceArt::Selected}) {
        EXPECT_EQ(FaceArtPixel(art, 30, 1), kFrame);
        EXPECT_EQ(FaceArtPixel(art, 30, 23), kFrame);
        EXPECT_EQ(FaceArtPixel(art, 1, 12), kFrame);
        EXPECT_EQ(FaceArtPixel(art, 62, 12), kFrame);
    }
    EXPECT_EQ(FaceArtPixel(FaceArt::Pressed, 30, 2), kFrame); // one pixel smaller
    EXPECT_TRUE(Near(FaceArtPixel(FaceArt::Pressed, 30, 1), kFaceMargin, 0));
    for (const FaceArt art : kAll) {
        for (int y = 4; y < kFaceArtHeight - 4; ++y) {
            for (int x = 4; x < kFaceArtWidth - 4; ++x) {
                EXPECT_NE(FaceArtPixel(art, x, y), kFrame) << x << "," << y;
            }
        }
    }
}

TEST(FaceArt, EachPictureHasItsLook) {
    EXPECT_EQ(FaceArtPixel(FaceArt::Normal, 30, 10), (Rgb{243, 243, 238}));
    EXPECT_TRUE(Near(FaceArtPixel(FaceArt::Normal, 30, 22), (Rgb{214, 208, 197}), 4));
    EXPECT_GT(Brightness(FaceArtPixel(FaceArt::Normal, 2, 10)),
              Brightness(FaceArtPixel(FaceArt::Normal, 30, 10))); // lighter left edge
    // Amber rim, light on top, deep at the bottom; a near-white face.
    EXPECT_EQ(FaceArtPixel(FaceArt::HighLight, 30, 2), (Rgb{255, 240, 207}));
    EXPECT_EQ(FaceArtPixel(FaceArt::HighLight, 30, 22), (Rgb{229, 151, 0}));
    EXPECT_TRUE(Near(FaceArtPixel(FaceArt::HighLight, 30, 12), (Rgb{252, 210, 121}), 12) ||
                Near(FaceArtPixel(FaceArt::HighLight, 2, 12), (Rgb{252, 210, 121}), 12));
    EXPECT_GE(Brightness(FaceArtPixel(FaceArt::HighLight, 30, 10)), 750);
    // Blue rim; the usual face.
    EXPECT_EQ(FaceArtPixel(FaceArt::Selected, 30, 2), (Rgb{206, 231, 255}));
    EXPECT_EQ(FaceArtPixel(FaceArt::Selected, 30, 22), (Rgb{105, 130, 238}));
    EXPECT_EQ(FaceArtPixel(FaceArt::Selected, 30, 10), (Rgb{243, 243, 238}));
    // Pressed: a darker face with a shadow at the top and the left.
    EXPECT_EQ(FaceArtPixel(FaceArt::Pressed, 30, 12), (Rgb{226, 225, 217}));
    EXPECT_LT(Brightness(FaceArtPixel(FaceArt::Pressed, 30, 3)),
              Brightness(FaceArtPixel(FaceArt::Pressed, 30, 12)));
    EXPECT_LT(Brightness(FaceArtPixel(FaceArt::Pressed, 3, 12)),
              Brightness(FaceArtPixel(FaceArt::Pressed, 30, 12)));
}

TEST(FaceArt, TheDisabledPictureHasNoDarkFrame) {
    EXPECT_EQ(FaceArtPixel(FaceArt::Disable, 30, 1), (Rgb{201, 199, 186}));
    EXPECT_EQ(FaceArtPixel(FaceArt::Disable, 30, 10), (Rgb{245, 244, 234}));
    for (int y = 0; y < kFaceArtHeight; ++y) {
        for (int x = 0; x < kFaceArtWidth; ++x) {
            EXPECT_GE(Brightness(FaceArtPixel(FaceArt::Disable, x, y)), 3 * 186) << x << "," << y;
        }
    }
}

} // namespace
} // namespace lumo
