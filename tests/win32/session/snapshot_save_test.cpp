#include "bmp_format.h"
#include "replace_file.h"
#include "save_picture.h"
#include "snapshot_reader.h"
#include "surface.h"
#include "win32_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace lumo {
namespace {

std::vector<std::uint8_t> ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

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

TEST(SnapshotSaveFailure, AnEmptySurfaceWritesNothingAndKeepsTheOldFile) {
    const std::string path = test::ScratchFolder("empty") + "\\snap.bmp";
    ASSERT_TRUE(ReplaceFileWith(
        path, {std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>("old"), 3)}));
    Surface s;
    EXPECT_FALSE(SavePicture(s, path));
    EXPECT_EQ(ReadWhole(path), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
}

TEST(AtomicReplace, ReplacesTheOldFileWhole) {
    const std::string path = test::ScratchFolder("replace") + "\\file.bin";
    const std::vector<std::uint8_t> first(100000, 0x11);
    const std::vector<std::uint8_t> head{1, 2, 3};
    const std::vector<std::uint8_t> tail{4, 5};
    ASSERT_TRUE(ReplaceFileWith(path, {std::span<const std::uint8_t>(first)}));
    ASSERT_TRUE(ReplaceFileWith(
        path, {std::span<const std::uint8_t>(head), std::span<const std::uint8_t>(tail)}));
    EXPECT_EQ(ReadWhole(path), (std::vector<std::uint8_t>{1, 2, 3, 4, 5}));
    EXPECT_FALSE(Exists(TemporaryPathFor(path)));
}

TEST(AtomicReplace, AFailedWriteLeavesTheOldFileIntact) {
    const std::string path = test::ScratchFolder("fail") + "\\file.bin";
    const std::vector<std::uint8_t> old{9, 8, 7};
    ASSERT_TRUE(ReplaceFileWith(path, {std::span<const std::uint8_t>(old)}));
    // The temporary name is taken by a folder: the new bytes cannot be written beside.
    ASSERT_TRUE(::CreateDirectoryA(TemporaryPathFor(path).c_str(), nullptr));
    const std::vector<std::uint8_t> fresh(5000, 0x22);
    EXPECT_FALSE(ReplaceFileWith(path, {std::span<const std::uint8_t>(fresh)}));
    EXPECT_EQ(ReadWhole(path), old);
    ::RemoveDirectoryA(TemporaryPathFor(path).c_str());
}

TEST(AtomicReplace, AMissingFolderFailsWithoutLeavingAnything) {
    const std::string path = test::ScratchFolder("missing") + "\\no such folder\\file.bin";
    const std::vector<std::uint8_t> bytes{1};
    EXPECT_FALSE(ReplaceFileWith(path, {std::span<const std::uint8_t>(bytes)}));
    EXPECT_FALSE(Exists(path));
}

TEST(AtomicReplace, AFailedMoveLeavesTheOldFileAndNoTemporary) {
    const std::string path = test::ScratchFolder("locked") + "\\file.bin";
    const std::vector<std::uint8_t> old{6, 6, 6};
    ASSERT_TRUE(ReplaceFileWith(path, {std::span<const std::uint8_t>(old)}));
    // A reader holding the file without delete sharing: it cannot be replaced under it.
    HANDLE reader = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    const std::vector<std::uint8_t> fresh(10, 0x33);
    EXPECT_FALSE(ReplaceFileWith(path, {std::span<const std::uint8_t>(fresh)}));
    ::CloseHandle(reader);
    EXPECT_EQ(ReadWhole(path), old);
    EXPECT_FALSE(Exists(TemporaryPathFor(path)));
}

} // namespace
} // namespace lumo
