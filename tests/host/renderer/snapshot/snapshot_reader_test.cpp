#include "snapshot_reader.h"

#include "bmp_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using lumo::SnapshotOutcome;
using lumo::bmp::Refusal;
using lumo::testing::BmpRecipe;
using lumo::testing::BuildBmp;
using lumo::testing::Pattern;

// Counts what the reader consumed, to show exactly how many bytes each step took.
class CountingSource final : public lumo::ByteSource {
  public:
    explicit CountingSource(const std::vector<std::uint8_t>& bytes)
        : inner_(bytes.data(), bytes.size()) {}
    std::size_t Read(std::uint8_t* destination, std::size_t size) override {
        const std::size_t n = inner_.Read(destination, size);
        consumed += n;
        largestRead = std::max(largestRead, size);
        return n;
    }
    std::size_t consumed = 0;
    std::size_t largestRead = 0; // the largest buffer the reader filled

  private:
    lumo::MemorySource inner_;
};

lumo::SnapshotImage Read(const std::vector<std::uint8_t>& file, std::size_t* consumed = nullptr,
                         std::size_t* largestRead = nullptr) {
    CountingSource source(file);
    lumo::SnapshotImage image = lumo::ReadSnapshot(source);
    if (consumed != nullptr) {
        *consumed = source.consumed;
    }
    if (largestRead != nullptr) {
        *largestRead = source.largestRead;
    }
    return image;
}

void ExpectPatternRows(const lumo::SnapshotImage& image, std::size_t stride) {
    const std::int32_t rows = image.layout.height < 0 ? -image.layout.height : image.layout.height;
    for (std::size_t row = 0; row < static_cast<std::size_t>(rows); ++row) {
        for (std::size_t column = 0; column < static_cast<std::size_t>(image.layout.width);
             ++column) {
            for (std::size_t channel = 0; channel < 3; ++channel) {
                ASSERT_EQ(image.pixels[row * stride + column * 3 + channel],
                          Pattern(row, column, channel))
                    << "row " << row << " column " << column;
            }
        }
    }
}

TEST(ReadSnapshot, ReadsAnOddWidthWithoutShear) {
    BmpRecipe recipe;
    recipe.width = 1366;
    recipe.height = 7;
    recipe.sizeImage = 0;
    recipe.trailingBytes = 100; // must be left alone
    std::size_t consumed = 0;
    const auto image = Read(BuildBmp(recipe), &consumed);
    ASSERT_TRUE(image.loaded());
    EXPECT_EQ(image.layout.stride, 4100u);
    EXPECT_EQ(image.layout.pixelBytes, 4100u * 7u);
    EXPECT_EQ(consumed, 54u + 4100u * 7u);
    ExpectPatternRows(image, 4100);
}

TEST(ReadSnapshot, ReadsExactlyTheGivenImageSize) {
    BmpRecipe recipe;
    recipe.width = 5;
    recipe.height = 2;
    recipe.sizeImage = 16 * 2 + 2; // a writer that pads the block
    recipe.pixelBytesOverride = 16 * 2 + 2;
    recipe.trailingBytes = 50;
    std::size_t consumed = 0;
    const auto image = Read(BuildBmp(recipe), &consumed);
    ASSERT_TRUE(image.loaded());
    EXPECT_EQ(image.layout.pixelBytes, 34u);
    EXPECT_EQ(consumed, 54u + 34u);
    ExpectPatternRows(image, 16);
}

TEST(ReadSnapshot, ReadsAnImageSizeFarBeyondTheRowsWithoutAllocatingIt) {
    // 1 MiB of padding after 3 rows of 16 bytes: loaded, lent in place from memory; read into
    // a buffer of the rows alone from a source that cannot lend.
    BmpRecipe recipe;
    recipe.width = 5;
    recipe.height = 3;
    recipe.sizeImage = 48 + (1u << 20);
    recipe.pixelBytesOverride = recipe.sizeImage;
    recipe.trailingBytes = 7;
    const auto file = BuildBmp(recipe);
    std::size_t consumed = 0;
    std::size_t largestRead = 0;
    auto image = Read(file, &consumed, &largestRead);
    ASSERT_TRUE(image.loaded());
    EXPECT_EQ(consumed, 54u + 48u + (1u << 20));
    EXPECT_LT(largestRead, std::size_t{1} << 20) << "a buffer sized by the image-size field";
    ExpectPatternRows(image, 16);
    lumo::MemorySource mapped(file.data(), file.size());
    image = lumo::ReadSnapshot(mapped);
    ASSERT_TRUE(image.loaded());
    EXPECT_EQ(image.pixels, file.data() + 54);

    // A claim of 4 GiB in a small file: the file is too short, whichever way it is read.
    recipe.sizeImage = 0xFFFFFFFF;
    recipe.pixelBytesOverride = 0;
    const auto claim = BuildBmp(recipe);
    EXPECT_EQ(Read(claim).outcome, SnapshotOutcome::kShortPixelBlock);
    lumo::MemorySource claimMapped(claim.data(), claim.size());
    EXPECT_EQ(lumo::ReadSnapshot(claimMapped).outcome, SnapshotOutcome::kShortPixelBlock);
}

TEST(ReadSnapshot, SkipsBytesBetweenInfoHeaderAndPixels) {
    BmpRecipe recipe;
    recipe.width = 3;
    recipe.height = 3;
    recipe.offBits = 54 + 1024; // a colour table nobody uses
    const auto image = Read(BuildBmp(recipe));
    ASSERT_TRUE(image.loaded());
    EXPECT_EQ(image.layout.width, 3);
    ExpectPatternRows(image, 12);
}

TEST(ReadSnapshot, PassesATopDownFileOnUnchanged) {
    BmpRecipe recipe;
    recipe.width = 2;
    recipe.height = -3;
    const auto image = Read(BuildBmp(recipe));
    ASSERT_TRUE(image.loaded());
    EXPECT_EQ(image.layout.height, -3);
    EXPECT_EQ(image.layout.pixelBytes, 8u * 3u);
}

TEST(ReadSnapshot, FailsOnAFileThatEndsEarly) {
    auto file = BuildBmp({});
    for (std::size_t size : {0u, 13u}) {
        EXPECT_EQ(Read(std::vector<std::uint8_t>(file.begin(), file.begin() + size)).outcome,
                  SnapshotOutcome::kShortFileHeader);
    }
    for (std::size_t size : {14u, 30u, 53u}) {
        const auto image = Read(std::vector<std::uint8_t>(file.begin(), file.begin() + size));
        EXPECT_EQ(image.outcome, SnapshotOutcome::kShortInfoBlock);
        EXPECT_FALSE(image.headersRead);
    }
    for (std::size_t size : {std::size_t{54}, std::size_t{55}, file.size() - 1}) {
        const auto image = Read(std::vector<std::uint8_t>(file.begin(), file.begin() + size));
        EXPECT_EQ(image.outcome, SnapshotOutcome::kShortPixelBlock) << size;
        EXPECT_TRUE(image.headersRead);
        EXPECT_EQ(image.layout.width, 4);
        EXPECT_EQ(image.pixels, nullptr);
    }
    // A given image size larger than what the file holds.
    BmpRecipe recipe;
    recipe.sizeImage = 36 + 4;
    EXPECT_EQ(Read(BuildBmp(recipe)).outcome, SnapshotOutcome::kShortPixelBlock);
}

TEST(ReadSnapshot, AMemorySourceLendsThePixelBlockInPlace) {
    BmpRecipe recipe;
    recipe.width = 5;
    recipe.height = 3;
    recipe.offBits = 54 + 8;
    auto file = std::make_shared<std::vector<std::uint8_t>>(BuildBmp(recipe));
    const std::weak_ptr<std::vector<std::uint8_t>> alive = file;
    lumo::SnapshotImage image;
    {
        lumo::MemorySource source(file->data(), file->size(), file);
        image = lumo::ReadSnapshot(source);
        ASSERT_TRUE(image.loaded());
        EXPECT_EQ(image.pixels, file->data() + 62) << "not copied";
    }
    file.reset();
    EXPECT_FALSE(alive.expired()) << "the image keeps the bytes it points into";
    ExpectPatternRows(image, 16);

    const auto whole = BuildBmp(recipe);
    lumo::MemorySource cut(whole.data(), whole.size() - 1);
    const lumo::SnapshotImage shortImage = lumo::ReadSnapshot(cut);
    EXPECT_EQ(shortImage.outcome, SnapshotOutcome::kShortPixelBlock);
    EXPECT_EQ(shortImage.pixels, nullptr);
}

TEST(ReadSnapshot, RefusesDamagedHeadersBeforeReadingPixels) {
    BmpRecipe recipe;
    recipe.type = 0x4142;
    auto image = Read(BuildBmp(recipe));
    EXPECT_EQ(image.outcome, SnapshotOutcome::kBadFileHeader);
    EXPECT_EQ(image.fileRefusal, Refusal::kNotBitmap);

    recipe = {};
    recipe.offBits = 20;
    image = Read(BuildBmp(recipe));
    EXPECT_EQ(image.outcome, SnapshotOutcome::kBadFileHeader);
    EXPECT_EQ(image.fileRefusal, Refusal::kInfoBlockTooSmall);

    // A huge claim stops at the header: nothing past the info block is read.
    recipe = {};
    recipe.width = 100000;
    recipe.height = 100000;
    recipe.fillPixels = false;
    recipe.trailingBytes = 10;
    std::size_t consumed = 0;
    image = Read(BuildBmp(recipe), &consumed);
    EXPECT_EQ(image.outcome, SnapshotOutcome::kBadInfoHeader);
    EXPECT_EQ(image.layout.refusal, Refusal::kImageTooLarge);
    EXPECT_TRUE(image.headersRead);
    EXPECT_EQ(image.layout.width, 100000);
    EXPECT_EQ(consumed, 54u);

    recipe = {};
    recipe.sizeImage = 10; // smaller than the rows: the builder would read past the buffer
    image = Read(BuildBmp(recipe));
    EXPECT_EQ(image.layout.refusal, Refusal::kSizeImageTooSmall);
    EXPECT_EQ(image.pixels, nullptr);
}

TEST(ReadSnapshot, ReadsWhatTheSaverWrites) {
    const auto headers = lumo::bmp::EncodeSnapshotHeaders(6, 4);
    std::vector<std::uint8_t> file(headers.begin(), headers.end());
    const std::size_t stride = 20; // 18 padded
    for (std::size_t row = 0; row < 4; ++row) {
        for (std::size_t i = 0; i < stride; ++i) {
            file.push_back(i < 18 ? Pattern(row, i / 3, i % 3) : 0);
        }
    }
    const auto image = Read(file);
    ASSERT_TRUE(image.loaded());
    EXPECT_EQ(image.layout.width, 6);
    EXPECT_EQ(image.layout.height, 4);
    ExpectPatternRows(image, stride);
}

} // namespace
