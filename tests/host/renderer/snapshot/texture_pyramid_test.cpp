#include "texture_pyramid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

using lumo::BuilderSide;
using lumo::LevelSize;
using lumo::PictureView;

// Puts the strips back together into whole levels, and checks that each level's rows arrive in
// order and exactly once.
class Levels final : public lumo::StripSink {
  public:
    explicit Levels(const std::vector<LevelSize>& sizes) : sizes(sizes), texels(sizes.size()) {
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            texels[i].reserve(static_cast<std::size_t>(sizes[i].width * sizes[i].height) * 4);
        }
    }
    void Strip(std::size_t level, std::int32_t firstRow, std::int32_t rows,
               const std::uint8_t* strip) override {
        ASSERT_LT(level, sizes.size());
        const auto rowBytes = static_cast<std::size_t>(sizes[level].width) * 4;
        ASSERT_EQ(texels[level].size(), static_cast<std::size_t>(firstRow) * rowBytes);
        ASSERT_LE(firstRow + rows, sizes[level].height);
        texels[level].insert(texels[level].end(), strip,
                             strip + static_cast<std::size_t>(rows) * rowBytes);
    }
    bool Complete() const {
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            if (texels[i].size() !=
                static_cast<std::size_t>(sizes[i].width * sizes[i].height) * 4) {
                return false;
            }
        }
        return true;
    }
    // Channel c as the picture numbers it (blue, green, red); the levels hold red, green, blue
    // and a fourth byte, which is 255.
    double At(std::size_t level, std::int32_t x, std::int32_t y, int c) const {
        return texels[level][static_cast<std::size_t>((y * sizes[level].width + x) * 4 + 2 - c)];
    }
    std::uint8_t Fourth(std::size_t level, std::size_t texel) const {
        return texels[level][texel * 4 + 3];
    }
    std::vector<LevelSize> sizes;
    std::vector<std::vector<std::uint8_t>> texels;
};

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
    const std::vector<LevelSize> levels = lumo::PyramidLevels(1366, 3, 16384); // 1024 x 4
    ASSERT_EQ(levels.size(), 11u);
    for (std::size_t i = 0; i < levels.size(); ++i) {
        EXPECT_EQ(levels[i].width, 1024 >> i);
        EXPECT_EQ(levels[i].height, std::max(4 >> i, 1));
    }
    const std::vector<LevelSize> capped = lumo::PyramidLevels(1366, 3, 256);
    EXPECT_EQ(capped.front().width, 256);
    EXPECT_EQ(capped.front().height, 4);
    EXPECT_TRUE(lumo::PyramidLevels(0, 5, 16384).empty());
}

TEST(TexturePyramid, LevelZeroIsTheAreaMeanAndEachLevelTheMeanOfTheOneAbove) {
    // Odd sides, one-texel sides, shrinking, enlarging, a size kept as it is, a level 0 of
    // several strips, and shrinking fivefold under a small largest side.
    struct Case {
        std::int32_t width;
        std::int32_t height;
        std::int32_t maxSide = 16384;
    };
    const Case cases[] = {{5, 3}, {1, 7},   {7, 1},   {1, 1},  {13, 6},    {3, 11},
                          {4, 2}, {23, 17}, {40, 70}, {97, 9}, {40, 70, 8}};
    for (const auto& [w, h, maxSide] : cases) {
        SCOPED_TRACE(::testing::Message() << w << "x" << h << " max " << maxSide);
        const Picture picture(w, h);
        Levels pyramid(lumo::PyramidLevels(w, h, maxSide));
        ASSERT_TRUE(lumo::BuildPyramid(picture.view(), pyramid.sizes, pyramid));
        ASSERT_TRUE(pyramid.Complete());
        const LevelSize top = pyramid.sizes[0];
        for (std::int32_t y = 0; y < top.height; ++y) {
            for (std::int32_t x = 0; x < top.width; ++x) {
                for (int c = 0; c < 3; ++c) {
                    const double expected = AreaMean(picture, top.width, top.height, x, y, c);
                    ASSERT_LE(std::abs(pyramid.At(0, x, y, c) - expected), 1.0)
                        << x << "," << y << " c" << c;
                }
            }
        }
        for (std::size_t i = 0; i < pyramid.sizes.size(); ++i) {
            for (std::size_t t = 0; t < pyramid.texels[i].size() / 4; ++t) {
                ASSERT_EQ(pyramid.Fourth(i, t), 255) << "level " << i << " texel " << t;
            }
        }
        for (std::size_t i = 1; i < pyramid.sizes.size(); ++i) {
            const LevelSize above = pyramid.sizes[i - 1];
            const LevelSize level = pyramid.sizes[i];
            const std::int32_t sx = above.width / level.width;
            const std::int32_t sy = above.height / level.height;
            for (std::int32_t y = 0; y < level.height; ++y) {
                for (std::int32_t x = 0; x < level.width; ++x) {
                    for (int c = 0; c < 3; ++c) {
                        double sum = 0.0;
                        for (std::int32_t dy = 0; dy < sy; ++dy) {
                            for (std::int32_t dx = 0; dx < sx; ++dx) {
                                sum += pyramid.At(i - 1, x * sx + dx, y * sy + dy, c);
                            }
                        }
                        ASSERT_LE(std::abs(pyramid.At(i, x, y, c) - sum / (sx * sy)), 0.5)
                            << "level " << i << " " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(TexturePyramid, APowerOfTwoPictureIsLevelZeroTexelForTexel) {
    const Picture picture(8, 64); // level 0 is taller than a strip
    Levels pyramid(lumo::PyramidLevels(8, 64, 16384));
    ASSERT_TRUE(lumo::BuildPyramid(picture.view(), pyramid.sizes, pyramid));
    ASSERT_TRUE(pyramid.Complete());
    for (std::int32_t y = 0; y < 64; ++y) {
        for (std::int32_t x = 0; x < 8; ++x) {
            for (int c = 0; c < 3; ++c) {
                ASSERT_EQ(pyramid.At(0, x, y, c), picture.At(x, y, c)) << x << "," << y;
            }
        }
    }
    EXPECT_FALSE(lumo::BuildPyramid(PictureView{}, pyramid.sizes, pyramid));
}

} // namespace
