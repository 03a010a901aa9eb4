#include "file_bytes.h"
#include "replace_file.h"
#include "win32_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumo {
namespace {

using test::Exists;
using test::ReadWhole;

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
