#include "bmp_format.h"
#include "file_bytes.h"
#include "file_grants.h"
#include "replace_file.h"
#include "save_picture.h"
#include "snapshot_reader.h"
#include "surface.h"
#include "win32_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumo {
namespace {

using test::Exists;
using test::ReadWhole;

// Every pixel its own colour, so a swapped row, a shear or a channel mix-up shows.
COLORREF PatternAt(int x, int y) {
    return RGB((x * 7 + y) & 0xFF, (y * 13 + 5) & 0xFF, (x * 3 + y * 11 + 1) & 0xFF);
}

void FillPattern(Surface& s) {
    for (int y = 0; y < s.HeightPixels(); ++y) {
        for (int x = 0; x < s.WidthPixels(); ++x) {
            ::SetPixelV(s.Dc(), x, y, PatternAt(x, y));
        }
    }
}

class SnapshotSave : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(SnapshotSave, WritesWhatTheRendererReadsPixelForPixel) {
    const auto [width, height] = GetParam();
    Surface s;
    s.Resize(width, height);
    FillPattern(s);
    const std::string path = test::ScratchFolder("save") + "\\snap.bmp";
    ASSERT_TRUE(SavePicture(s, path));
    EXPECT_FALSE(Exists(TemporaryPathFor(path)));

    const auto bytes = ReadWhole(path);
    const std::uint64_t stride = bmp::RowStride(24, width);
    ASSERT_EQ(bytes.size(), 54 + stride * static_cast<std::uint64_t>(height));
    MemorySource source(bytes.data(), bytes.size());
    const SnapshotImage image = ReadSnapshot(source);
    ASSERT_TRUE(image.loaded());
    EXPECT_EQ(image.layout.width, width);
    EXPECT_EQ(image.layout.height, height); // positive: bottom-up
    EXPECT_EQ(image.layout.bitCount, 24);
    ASSERT_EQ(image.layout.pixelBytes, stride * static_cast<std::uint64_t>(height));

    int wrong = 0;
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* line = image.pixels + stride * static_cast<std::uint64_t>(row);
        const int y = height - 1 - row; // the first row in the file is the bottom one
        for (int x = 0; x < width; ++x) {
            const COLORREF want = PatternAt(x, y);
            const std::uint8_t* p = line + 3 * x; // blue, green, red
            if (p[0] != GetBValue(want) || p[1] != GetGValue(want) || p[2] != GetRValue(want)) {
                ++wrong;
            }
        }
        for (std::uint64_t pad = 3 * static_cast<std::uint64_t>(width); pad < stride; ++pad) {
            EXPECT_EQ(line[pad], 0) << "padding of row " << row;
        }
    }
    EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(Widths, SnapshotSave,
                         ::testing::Values(std::pair{64, 8}, std::pair{33, 7}, std::pair{1, 1},
                                           std::pair{1366, 3}, std::pair{2, 5}));

// The photo as the system reports it after the save, written over an old photo and over a
// leftover temporary that anyone could open (whose own security a careless write would keep).
// Wine reports a file's security from its Unix mode, always with an entry for the system and
// without the protection flag, so the entries are what is checked here. A file written without
// this security, as the settings file is, lets others in: the check tells the two apart.
TEST(SnapshotSave, OnlyTheRunningAccountMayOpenTheSavedPhoto) {
    const std::string folder = test::ScratchFolder("owner");
    const std::string path = folder + "\\snap.bmp";
    const std::string plain = folder + "\\plain.bin";
    const std::vector<std::uint8_t> old{'o', 'l', 'd'};
    ASSERT_TRUE(ReplaceFileWith(path, {std::span<const std::uint8_t>(old)}));
    ASSERT_TRUE(ReplaceFileWith(TemporaryPathFor(path), {std::span<const std::uint8_t>(old)}));
    ASSERT_TRUE(ReplaceFileWith(plain, {std::span<const std::uint8_t>(old)}));
    ASSERT_TRUE(test::GrantsOfFile(TemporaryPathFor(path)).others);

    Surface s;
    s.Resize(4, 2);
    ASSERT_TRUE(SavePicture(s, path));
    EXPECT_FALSE(Exists(TemporaryPathFor(path)));
    const test::Grants photo = test::GrantsOfFile(path);
    EXPECT_TRUE(photo.account);
    EXPECT_FALSE(photo.others);
    EXPECT_TRUE(test::GrantsOfFile(plain).others);
}

TEST(SnapshotSaveFailure, AnEmptySurfaceWritesNothingAndKeepsTheOldFile) {
    const std::string path = test::ScratchFolder("empty") + "\\snap.bmp";
    ASSERT_TRUE(ReplaceFileWith(
        path, {std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>("old"), 3)}));
    Surface s;
    EXPECT_FALSE(SavePicture(s, path));
    EXPECT_EQ(ReadWhole(path), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
}

// What a session finds of an earlier one: a photo made read-only and the temporary of a save cut
// short both go; a folder that takes the photo's name is someone else's and stays.
TEST(SnapshotLeftovers, GoReadOnlyOrNotButAFolderOfTheirNameStays) {
    const std::string folder = test::ScratchFolder("leftover");
    const std::string path = folder + "\\snap.bmp";
    const std::vector<std::uint8_t> old{'o', 'l', 'd'};
    ASSERT_TRUE(ReplaceFileWith(path, {std::span<const std::uint8_t>(old)}));
    ASSERT_TRUE(ReplaceFileWith(TemporaryPathFor(path), {std::span<const std::uint8_t>(old)}));
    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    RemoveSnapshot(path);
    EXPECT_FALSE(Exists(path));
    EXPECT_FALSE(Exists(TemporaryPathFor(path)));

    ASSERT_TRUE(::CreateDirectoryA(path.c_str(), nullptr));
    RemoveSnapshot(path);
    EXPECT_TRUE(Exists(path));
    ::RemoveDirectoryA(path.c_str());
}

} // namespace
} // namespace lumo
