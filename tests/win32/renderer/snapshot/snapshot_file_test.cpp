#include "snapshot_file.h"

#include "bmp_builder.h"
#include "temp_file.h"
#include "win32_handles.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using lumo::SnapshotOutcome;
using lumo::testing::BmpRecipe;
using lumo::testing::BuildBmp;
using lumo::testing::TempFile;

TEST(SnapshotFile, ReadsAScreenSizedFileWhole) {
    BmpRecipe recipe;
    recipe.width = 1366;
    recipe.height = 768;
    const auto bytes = BuildBmp(recipe);
    TempFile file("lumo_snapshot_1366.bmp", bytes);
    const auto image = lumo::ReadSnapshotFile(file.path());
    ASSERT_TRUE(image.loaded());
    EXPECT_EQ(image.layout.width, 1366);
    EXPECT_EQ(image.layout.height, 768);
    ASSERT_EQ(image.layout.pixelBytes, 4100u * 768u);
    EXPECT_EQ(0, std::memcmp(image.pixels, bytes.data() + 54, image.layout.pixelBytes));
}

TEST(SnapshotFile, SkipsExtraHeaderBytesAndReadsTheGivenSize) {
    BmpRecipe recipe;
    recipe.width = 7;
    recipe.height = 5;
    recipe.offBits = 54 + 100;
    recipe.sizeImage = 24 * 5 + 2;
    recipe.pixelBytesOverride = 24 * 5 + 2;
    recipe.trailingBytes = 9;
    const auto bytes = BuildBmp(recipe);
    TempFile file("lumo_snapshot_offset.bmp", bytes);
    const auto image = lumo::ReadSnapshotFile(file.path());
    ASSERT_TRUE(image.loaded());
    ASSERT_EQ(image.layout.pixelBytes, 122u);
    EXPECT_EQ(0, std::memcmp(image.pixels, bytes.data() + 154, 122));
}

TEST(SnapshotFile, FailsWithoutAFile) {
    const auto image = lumo::ReadSnapshotFile("Z:\\no\\such\\folder\\Lumovane.bmp");
    EXPECT_FALSE(image.loaded());
    EXPECT_FALSE(image.headersRead);
}

TEST(SnapshotFile, FailsOnDamagedFiles) {
    const auto good = BuildBmp({});
    {
        TempFile file("lumo_snapshot_cut.bmp",
                      std::vector<std::uint8_t>(good.begin(), good.end() - 1));
        EXPECT_EQ(lumo::ReadSnapshotFile(file.path()).outcome, SnapshotOutcome::kShortPixelBlock);
    }
    {
        TempFile file("lumo_snapshot_empty.bmp", {});
        EXPECT_EQ(lumo::ReadSnapshotFile(file.path()).outcome, SnapshotOutcome::kShortFileHeader);
    }
    {
        BmpRecipe recipe;
        recipe.offBits = 30;
        TempFile file("lumo_snapshot_offbits.bmp", BuildBmp(recipe));
        EXPECT_EQ(lumo::ReadSnapshotFile(file.path()).outcome, SnapshotOutcome::kBadFileHeader);
    }
    {
        BmpRecipe recipe;
        recipe.width = 40000;
        recipe.height = 40000;
        recipe.fillPixels = false;
        TempFile file("lumo_snapshot_huge.bmp", BuildBmp(recipe));
        EXPECT_EQ(lumo::ReadSnapshotFile(file.path()).outcome, SnapshotOutcome::kBadInfoHeader);
    }
}

TEST(SnapshotFile, ReadsAFileThatAnotherReaderHasOpen) {
    const auto bytes = BuildBmp({});
    TempFile file("lumo_snapshot_shared.bmp", bytes);
    lumo::win::KernelHandle other(CreateFileA(file.path(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                              OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(other.Valid());
    EXPECT_TRUE(lumo::ReadSnapshotFile(file.path()).loaded());
}

} // namespace
