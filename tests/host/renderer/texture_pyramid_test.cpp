#include "texture_pyramid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

using lumo::BuilderSide;
using lumo::PictureView;
using lumo::TexturePyramid;

// A picture of noise (so that every weight shows) with rows padded to four bytes.
struct Picture {
    Picture(std::int32_t w, std::int32_t h) : width(w), height(h) {
        stride = (static_cast<std::size_t>(w) * 3 + 3) / 4 * 4;
        bytes.resize(stride * static_cast<std::size_t>(h));
        std::uint32_t state = 12345u + static_cast<std::uint32_t>(w * 131 + h);
        for (auto& b : bytes) {
            state = state * 1664525u + 1013904223u;
            b = static_cast<std::uint8_t>(state >> 24);
        }
    }
    PictureView view() const { return {bytes.data(), width, height, stride}; }
    double At(std::int32_t x, std::int32_t y, int c) const {
        return bytes[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3 +
                     static_cast<std::size_t>(c)];
    }
    std::int32_t width;
    std::int32_t height;
    std::size_t stride;
    std::vector<std::uint8_t> bytes;
};

// The plain definition: the mean of the picture over the area a texel covers, in doubles.
double AreaMean(const Picture& p, std::int32_t w, std::int32_t h, std::int32_t x, std::int32_t y,
                int c) {
    const double sx = static_cast<double>(p.width) / w;
    const double sy = static_cast<double>(p.height) / h;
    double sum = 0.0;
    for (std::int32_t py = 0; py < p.height; ++py) {
        const double oy = std::min(py + 1.0, (y + 1) * sy) - std::max(double(py), y * sy);
        for (std::int32_t px = 0; oy > 0 && px < p.width; ++px) {
            const double ox = std::min(px + 1.0, (x + 1) * sx) - std::max(double(px), x * sx);
            if (ox > 0) {
                sum += ox * oy * p.At(px, py, c);
            }
        }
    }
    return sum / (sx * sy);
}

TEST(TexturePyramid, SidesRoundToTheNearestPowerOfTwoAsTheSystemBuilderDoes) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {1, 1},       {2, 2},       {3, 4},       {5, 4},       {6, 8},       {7, 8},
        {11, 8},      {12, 16},     {1080, 1024}, {1366, 1024}, {1536, 2048}, {1920, 2048},
        {2160, 2048}, {3840, 4096}, {0, 0},       {-4, 0}};
    for (const auto& [side, expected] : cases) {
        EXPECT_EQ(BuilderSide(side), expected) << side;
    }
}

TEST(TexturePyramid, LevelsHalveEachSideDownToOneTexel) {
    const Picture picture(1366, 3); // 1024 x 4
    const TexturePyramid pyramid = TexturePyramid::Build(picture.view(), 16384);
    ASSERT_EQ(pyramid.levelCount(), 11u);
    for (std::size_t i = 0; i < pyramid.levelCount(); ++i) {
        EXPECT_EQ(pyramid.level(i).width, 1024 >> i);
        EXPECT_EQ(pyramid.level(i).height, i < 2 ? 4 >> i : 1);
    }

    const TexturePyramid capped = TexturePyramid::Build(picture.view(), 256);
    EXPECT_EQ(capped.level(0).width, 256);
    EXPECT_EQ(capped.level(0).height, 4);

    EXPECT_TRUE(TexturePyramid::Build(PictureView{}, 16384).empty());
}

TEST(TexturePyramid, LevelZeroIsTheAreaMeanAndEachLevelTheMeanOfTheOneAbove) {
    // Odd sides, one-texel sides, shrinking, enlarging and a size kept as it is.
    const std::pair<std::int32_t, std::int32_t> sizes[] = {{5, 3},  {1, 7},  {7, 1}, {1, 1},
                                                           {13, 6}, {3, 11}, {4, 2}, {23, 17}};
    for (const auto& [w, h] : sizes) {
        SCOPED_TRACE(::testing::Message() << w << "x" << h);
        const Picture picture(w, h);
        const TexturePyramid pyramid = TexturePyramid::Build(picture.view(), 16384);
        ASSERT_FALSE(pyramid.empty());
        const lumo::PyramidLevel& top = pyramid.level(0);
        for (std::int32_t y = 0; y < top.height; ++y) {
            for (std::int32_t x = 0; x < top.width; ++x) {
                for (int c = 0; c < 3; ++c) {
                    const double expected = AreaMean(picture, top.width, top.height, x, y, c);
                    const double got = top.texels[(y * top.width + x) * 3 + c];
                    ASSERT_LE(std::abs(got - expected), 1.0) << x << "," << y << " c" << c;
                }
            }
        }
        for (std::size_t i = 1; i < pyramid.levelCount(); ++i) {
            const lumo::PyramidLevel& above = pyramid.level(i - 1);
            const lumo::PyramidLevel& level = pyramid.level(i);
            const std::int32_t sx = above.width / level.width;
            const std::int32_t sy = above.height / level.height;
            for (std::int32_t y = 0; y < level.height; ++y) {
                for (std::int32_t x = 0; x < level.width; ++x) {
                    for (int c = 0; c < 3; ++c) {
                        double sum = 0.0;
                        for (std::int32_t dy = 0; dy < sy; ++dy) {
                            for (std::int32_t dx = 0; dx < sx; ++dx) {
                                sum +=
                                    above.texels[((y * sy + dy) * above.width + x * sx + dx) * 3 +
                                                 c];
                            }
                        }
                        const double got = level.texels[(y * level.width + x) * 3 + c];
                        ASSERT_LE(std::abs(got - sum / (sx * sy)), 0.5)
                            << "level " << i << " " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(TexturePyramid, APowerOfTwoPictureWithoutPaddingIsLevelZeroItself) {
    const Picture picture(8, 4); // 24-byte rows: no padding
    const TexturePyramid pyramid = TexturePyramid::Build(picture.view(), 16384);
    EXPECT_EQ(pyramid.level(0).texels, picture.bytes.data());
    EXPECT_EQ(pyramid.levelCount(), 4u);
}

} // namespace
