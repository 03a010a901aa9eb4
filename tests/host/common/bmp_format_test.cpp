#include "bmp_format.h"

#include "bmp_builder.h"

#include <gtest/gtest.h>

#include <limits>
#include <span>

namespace {

using lumo::bmp::Refusal;
using lumo::testing::BuildBmp;

lumo::bmp::FileHeader FileHeaderOf(const std::vector<std::uint8_t>& file) {
    return lumo::bmp::ReadFileHeader(std::span<const std::uint8_t, 14>(file.data(), 14));
}

lumo::bmp::ImageLayout LayoutOf(const std::vector<std::uint8_t>& file) {
    const std::uint32_t offBits = file[10] | (file[11] << 8) | (file[12] << 16) |
                                  (static_cast<std::uint32_t>(file[13]) << 24);
    return lumo::bmp::ReadInfoBlock(std::span<const std::uint8_t>(file.data() + 14, offBits - 14));
}

TEST(RowStride, PadsRowsToWholeWords) {
    EXPECT_EQ(lumo::bmp::RowStride(24, 1), 4u);
    EXPECT_EQ(lumo::bmp::RowStride(24, 4), 12u);
    EXPECT_EQ(lumo::bmp::RowStride(24, 5), 16u);
    EXPECT_EQ(lumo::bmp::RowStride(24, 1366), 4100u); // 4098 padded
    EXPECT_EQ(lumo::bmp::RowStride(24, 1920), 5760u);
    EXPECT_EQ(lumo::bmp::RowStride(1, 33), 8u);
    EXPECT_EQ(lumo::bmp::RowStride(32, 3), 12u);
    EXPECT_EQ(lumo::bmp::RowStride(24, 0), 0u);
    EXPECT_EQ(lumo::bmp::RowStride(24, -5), 0u);
}

TEST(RowStride, SaturatesInsteadOfWrapping) {
    constexpr auto kMax = std::numeric_limits<std::uint64_t>::max();
    EXPECT_EQ(lumo::bmp::RowStride(65535, std::numeric_limits<std::int64_t>::max()), kMax);
    EXPECT_EQ(lumo::bmp::RowStride(24, std::numeric_limits<std::int64_t>::max()), kMax);
    // Largest 32-bit width at the largest depth is still exact.
    EXPECT_EQ(lumo::bmp::RowStride(65535, 0x7FFFFFFF), ((65535ull * 0x7FFFFFFFull + 31) / 32) * 4);
}

TEST(EncodeSnapshotHeaders, WritesTheSaversLayout) {
    const auto h = lumo::bmp::EncodeSnapshotHeaders(1366, 768);
    std::vector<std::uint8_t> file(h.begin(), h.end());
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    const std::uint32_t image = 4100u * 768u;
    EXPECT_EQ(file[2] | (file[3] << 8) | (file[4] << 16) | (file[5] << 24),
              static_cast<int>(image + 54));
    EXPECT_EQ(file[10], 54);
    EXPECT_EQ(file[14], 40);
    EXPECT_EQ(file[26], 1);
    EXPECT_EQ(file[28], 24);
    for (std::size_t at : {6u, 7u, 8u, 9u, 30u, 31u, 32u, 33u, 46u, 50u}) {
        EXPECT_EQ(file[at], 0) << "offset " << at;
    }

    const auto header = FileHeaderOf(file);
    ASSERT_EQ(header.refusal, Refusal::kNone);
    EXPECT_EQ(header.infoBlockBytes, 40u);
    const auto layout = LayoutOf(file);
    ASSERT_TRUE(layout.ok());
    EXPECT_EQ(layout.width, 1366);
    EXPECT_EQ(layout.height, 768);
    EXPECT_EQ(layout.stride, 4100u);
    EXPECT_EQ(layout.sizeImage, image);
    EXPECT_EQ(layout.pixelBytes, image);
}

TEST(EncodeSnapshotHeaders, RoundTripsCommonScreenSizes) {
    for (auto [w, h] : {std::pair{640, 480},
                        {800, 600},
                        {1024, 768},
                        {1280, 720},
                        {1366, 768},
                        {1920, 1080},
                        {2560, 1440},
                        {3840, 2160},
                        {1, 1},
                        {16384, 16384}}) {
        const auto bytes = lumo::bmp::EncodeSnapshotHeaders(w, h);
        std::vector<std::uint8_t> file(bytes.begin(), bytes.end());
        ASSERT_EQ(FileHeaderOf(file).refusal, Refusal::kNone);
        const auto layout = LayoutOf(file);
        ASSERT_TRUE(layout.ok()) << w << "x" << h;
        EXPECT_EQ(layout.width, w);
        EXPECT_EQ(layout.height, h);
        EXPECT_EQ(layout.pixelBytes, lumo::bmp::RowStride(24, w) * static_cast<unsigned>(h));
    }
}

TEST(ReadFileHeader, RefusesWhatCannotBeASnapshot) {
    lumo::testing::BmpRecipe recipe;
    recipe.type = 0x4D43; // "CM"
    EXPECT_EQ(FileHeaderOf(BuildBmp(recipe)).refusal, Refusal::kNotBitmap);

    for (std::uint32_t offBits : {0u, 13u, 14u, 53u}) {
        recipe = {};
        recipe.offBits = offBits;
        EXPECT_EQ(FileHeaderOf(BuildBmp(recipe)).refusal, Refusal::kInfoBlockTooSmall) << offBits;
    }
    for (std::uint32_t offBits : {14u + 65537u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        std::vector<std::uint8_t> file = BuildBmp({});
        lumo::testing::Put(file, 10, offBits, 4);
        EXPECT_EQ(FileHeaderOf(file).refusal, Refusal::kInfoBlockTooLarge) << offBits;
    }
    recipe = {};
    recipe.offBits = 14 + 65536;
    EXPECT_EQ(FileHeaderOf(BuildBmp(recipe)).infoBlockBytes, 65536u);
}

TEST(ReadInfoBlock, RefusesDamagedHeaders) {
    struct Case {
        const char* what;
        lumo::testing::BmpRecipe recipe;
        Refusal expected;
    };
    auto with = [](auto change) {
        lumo::testing::BmpRecipe s;
        change(s);
        return s;
    };
    const Case cases[] = {
        {"zero width", with([](auto& s) { s.width = 0; }), Refusal::kEmptyImage},
        {"zero height", with([](auto& s) { s.height = 0; }), Refusal::kEmptyImage},
        {"negative width", with([](auto& s) { s.width = -4; }), Refusal::kNegativeWidth},
        {"8 bits", with([](auto& s) { s.bitCount = 8; }), Refusal::kUnsupportedDepth},
        {"32 bits", with([](auto& s) { s.bitCount = 32; }), Refusal::kUnsupportedDepth},
        {"0 bits", with([](auto& s) { s.bitCount = 0; }), Refusal::kUnsupportedDepth},
        {"wide", with([](auto& s) {
             s.width = 16385;
             s.fillPixels = false;
         }),
         Refusal::kImageTooLarge},
        {"tall", with([](auto& s) {
             s.height = 16385;
             s.fillPixels = false;
         }),
         Refusal::kImageTooLarge},
        {"tall top-down", with([](auto& s) {
             s.height = -16385;
             s.fillPixels = false;
         }),
         Refusal::kImageTooLarge},
        {"most negative height", with([](auto& s) {
             s.height = std::numeric_limits<std::int32_t>::min();
             s.fillPixels = false;
         }),
         Refusal::kImageTooLarge},
        {"widest", with([](auto& s) {
             s.width = 0x7FFFFFFF;
             s.fillPixels = false;
         }),
         Refusal::kImageTooLarge},
        {"sizeImage one short", with([](auto& s) { s.sizeImage = 12 * 3 - 1; }),
         Refusal::kSizeImageTooSmall},
        {"sizeImage one row", with([](auto& s) { s.sizeImage = 12; }), Refusal::kSizeImageTooSmall},
    };
    for (const Case& c : cases) {
        const auto file = BuildBmp(c.recipe);
        ASSERT_EQ(FileHeaderOf(file).refusal, Refusal::kNone) << c.what;
        EXPECT_EQ(LayoutOf(file).refusal, c.expected) << c.what;
    }
}

TEST(ReadInfoBlock, AcceptsTheLimitsAndKeepsTopDownAsWritten) {
    lumo::testing::BmpRecipe recipe;
    recipe.width = 16384;
    recipe.height = -16384;
    recipe.fillPixels = false;
    auto layout = LayoutOf(BuildBmp(recipe));
    ASSERT_TRUE(layout.ok());
    EXPECT_EQ(layout.height, -16384);
    EXPECT_EQ(layout.pixelBytes, 16384u * 16384u * 3u);

    // Padding after the rows, of any size: only the file can tell whether it holds it, and
    // only the rows are ever allocated.
    for (const std::uint32_t sizeImage : {36u + 65536u, 36u + 65537u, 0xFFFFFFFFu}) {
        recipe = {};
        recipe.sizeImage = sizeImage;
        layout = LayoutOf(BuildBmp(recipe));
        ASSERT_TRUE(layout.ok()) << sizeImage;
        EXPECT_EQ(layout.pixelBytes, sizeImage);
        EXPECT_EQ(layout.rowBytes, 36u);
    }
}

TEST(ReadInfoBlock, RefusesABlockShorterThanTheInfoHeader) {
    const auto file = BuildBmp({});
    for (std::size_t size : {0u, 1u, 39u}) {
        const auto layout =
            lumo::bmp::ReadInfoBlock(std::span<const std::uint8_t>(file.data() + 14, size));
        EXPECT_EQ(layout.refusal, Refusal::kInfoBlockTooSmall) << size;
    }
}

} // namespace
