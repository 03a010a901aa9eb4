#include "settings.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(FolderOf, DriveAndFolders) {
    EXPECT_EQ(FolderOf(L"C:\\Music\\Disc 1\\song.mp3"), L"C:\\Music\\Disc 1");
    EXPECT_EQ(FolderOf(L"C:\\Music\\"), L"C:\\Music");
}

TEST(FolderOf, FileInDriveRootGivesDriveOnly) {
    EXPECT_EQ(FolderOf(L"C:\\song.wav"), L"C:");
}

TEST(FolderOf, DriveAndNameWithoutBackslash) {
    EXPECT_EQ(FolderOf(L"D:song.mp3"), L"D:");
}

TEST(FolderOf, BareNameAndEmptyPath) {
    EXPECT_EQ(FolderOf(L"song.mp3"), L"");
    EXPECT_EQ(FolderOf(L""), L"");
}

TEST(FolderOf, NetworkPath) {
    EXPECT_EQ(FolderOf(L"\\\\server\\share\\music\\a.mp3"), L"\\\\server\\share\\music");
    EXPECT_EQ(FolderOf(L"\\\\server\\share\\a.mp3"), L"\\\\server\\share");
}

TEST(FolderOf, DoubleByteCharactersWhoseTrailByteIsABackslash) {
    // "ソ" is 83 5C and "表" is 95 5C in code page 932: neither ends a folder name.
    EXPECT_EQ(FolderOf(L"C:\\\u30BD\u30D5\u30C8\\\u8868.mp3"), L"C:\\\u30BD\u30D5\u30C8");
    EXPECT_EQ(FolderOf(L"\u8868.mp3"), L"");
}

TEST(WithoutTrailingBackslash, DropsOneTrailingBackslash) {
    EXPECT_EQ(WithoutTrailingBackslash(L"C:\\a.mp3\\"), L"C:\\a.mp3");
    EXPECT_EQ(WithoutTrailingBackslash(L"C:\\dir\\\\"), L"C:\\dir\\");
    EXPECT_EQ(WithoutTrailingBackslash(L"C:\\a.mp3"), L"C:\\a.mp3");
    EXPECT_EQ(WithoutTrailingBackslash(L"\\"), L"");
    EXPECT_EQ(WithoutTrailingBackslash(L""), L"");
    // A name ending in "ソ" (83 5C in code page 932) keeps its last character.
    EXPECT_EQ(WithoutTrailingBackslash(L"C:\\\u30BD"), L"C:\\\u30BD");
    EXPECT_EQ(WithoutTrailingBackslash(L"C:\\\u30BD\\"), L"C:\\\u30BD");
}

} // namespace
} // namespace lumo
