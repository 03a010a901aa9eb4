#include "settings.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(FolderOf, DriveAndFolders) {
    EXPECT_EQ(FolderOf("C:\\Music\\Disc 1\\song.mp3"), "C:\\Music\\Disc 1");
    EXPECT_EQ(FolderOf("C:\\Music\\"), "C:\\Music");
}

TEST(FolderOf, FileInDriveRootGivesDriveOnly) {
    EXPECT_EQ(FolderOf("C:\\song.wav"), "C:");
}

TEST(FolderOf, DriveAndNameWithoutBackslash) {
    EXPECT_EQ(FolderOf("D:song.mp3"), "D:");
}

TEST(FolderOf, BareNameAndEmptyPath) {
    EXPECT_EQ(FolderOf("song.mp3"), "");
    EXPECT_EQ(FolderOf(""), "");
}

TEST(FolderOf, NetworkPath) {
    EXPECT_EQ(FolderOf("\\\\server\\share\\music\\a.mp3"), "\\\\server\\share\\music");
    EXPECT_EQ(FolderOf("\\\\server\\share\\a.mp3"), "\\\\server\\share");
}

TEST(FolderOf, DoubleByteCharactersWhoseTrailByteIsABackslash) {
    // "ソ" is 83 5C and "表" is 95 5C in code page 932: neither ends a folder name.
    EXPECT_EQ(FolderOf("C:\\\x83\x5C\x83\x74\x83\x67\\\x95\x5C.mp3"),
              "C:\\\x83\x5C\x83\x74\x83\x67");
    EXPECT_EQ(FolderOf("\x95\x5C.mp3"), "");
}

TEST(WithoutTrailingBackslash, DropsOneTrailingBackslash) {
    EXPECT_EQ(WithoutTrailingBackslash("C:\\a.mp3\\"), "C:\\a.mp3");
    EXPECT_EQ(WithoutTrailingBackslash("C:\\dir\\\\"), "C:\\dir\\");
    EXPECT_EQ(WithoutTrailingBackslash("C:\\a.mp3"), "C:\\a.mp3");
    EXPECT_EQ(WithoutTrailingBackslash("\\"), "");
    EXPECT_EQ(WithoutTrailingBackslash(""), "");
    // A name ending in "ソ" (83 5C) keeps its trail byte.
    EXPECT_EQ(WithoutTrailingBackslash("C:\\\x83\x5C"), "C:\\\x83\x5C");
    EXPECT_EQ(WithoutTrailingBackslash("C:\\\x83\x5C\\"), "C:\\\x83\x5C");
}

} // namespace
} // namespace lumo
