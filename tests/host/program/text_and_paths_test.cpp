#include "cp932.h"
#include "program_folder.h"
#include "program_names.h"
#include "saver_session.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(ProgramFolderOf, DropsTheFileNameAndItsBackslash) {
    EXPECT_EQ(ProgramFolderOf(L"C:\\Windows\\System32\\x.scr"), L"C:\\Windows\\System32");
    EXPECT_EQ(ProgramFolderOf(L"\\\\server\\share\\x.scr"), L"\\\\server\\share");
    EXPECT_EQ(ProgramFolderOf(L"x.scr"), L"");
}

TEST(ProgramFolderOf, KeepsTheBackslashOfADriveRoot) {
    EXPECT_EQ(ProgramFolderOf(L"C:\\x.scr"), L"C:\\");
}

TEST(ProgramFolderOf, IsNotFooledByANameWhoseCodePage932TrailByteIsABackslash) {
    // "ソ" is 83 5C in code page 932: the path is UTF-16, so no byte of it is a separator.
    const std::wstring folder = L"C:\\\u30BDft";
    EXPECT_EQ(ProgramFolderOf(folder + L"\\x.scr"), folder);
    EXPECT_EQ(ProgramFolderOf(L"C:\\a\\\u30BD"), L"C:\\a");
}

TEST(JoinPath, AddsOneBackslash) {
    EXPECT_EQ(JoinPath(L"C:\\Saver", "a.dll"), L"C:\\Saver\\a.dll");
    EXPECT_EQ(JoinPath(L"C:\\", "a.dll"), L"C:\\a.dll");
    EXPECT_EQ(JoinPath(L"C:\\\u30BD", "a.dll"), L"C:\\\u30BD\\a.dll");
    // The program's own names are code page 932 and reach the path as their characters.
    EXPECT_EQ(JoinPath(L"C:\\Saver", kRendererFileName),
              L"C:\\Saver\\\u30EB\u30E2\u30F4\u30A7\u30A4\u30F3.dll");
}

TEST(MusicFileKindOf, ComparesTheLastThreeCharactersWithoutCase) {
    EXPECT_EQ(MusicFileKindOf(L"C:\\m\\a.wav"), MusicFileKind::Wav);
    EXPECT_EQ(MusicFileKindOf(L"C:\\m\\a.Wav"), MusicFileKind::Wav);
    EXPECT_EQ(MusicFileKindOf(L"C:\\m\\a.WAV"), MusicFileKind::Wav);
    EXPECT_EQ(MusicFileKindOf(L"C:\\m\\a.mp3"), MusicFileKind::Mp3);
    EXPECT_EQ(MusicFileKindOf(L"C:\\m\\a.Mp3"), MusicFileKind::Mp3);
    EXPECT_EQ(MusicFileKindOf(L"wav"), MusicFileKind::Wav); // the ending alone counts
}

TEST(MusicFileKindOf, PlaysNothingForOtherEndings) {
    EXPECT_EQ(MusicFileKindOf(L"C:\\m\\a.wave"), MusicFileKind::None);
    EXPECT_EQ(MusicFileKindOf(L"C:\\m\\a"), MusicFileKind::None);
    EXPECT_EQ(MusicFileKindOf(L"C:\\m\\a.mp4"), MusicFileKind::None);
    EXPECT_EQ(MusicFileKindOf(L""), MusicFileKind::None);
    EXPECT_EQ(MusicFileKindOf(L"av"), MusicFileKind::None);
}

TEST(MusicFileKindOf, CountsCharactersNotBytes) {
    // "ジ" is 83 57 in code page 932, its trail byte a 'W': "xジAV" does not end in "WAV".
    EXPECT_EQ(MusicFileKindOf(L"C:\\m\\x\u30B8AV"), MusicFileKind::None);
    EXPECT_EQ(MusicFileKindOf(L"C:\\\u30B8\\a.wav"), MusicFileKind::Wav);
}

TEST(Cp932, UpperCasesOnlyAsciiLetters) {
    EXPECT_EQ(cp932::UpperAscii("/s-c"), "/S-C");
    // "ヂ" is 83 61 and "ャ" is 83 83: trail bytes in the a..z range stay as they are.
    EXPECT_EQ(cp932::UpperAscii("\x83\x61z"), "\x83\x61Z");
}

TEST(Cp932, SplitsIntoOneAndTwoByteCharacters) {
    const auto chars = cp932::Characters("a\x83\x8B"
                                         "b\x83");
    ASSERT_EQ(chars.size(), 4u);
    EXPECT_EQ(chars[1], "\x83\x8B");
    EXPECT_EQ(chars[3], "\x83"); // a lead byte at the end stands alone
    EXPECT_EQ(cp932::LastChars("a\x83\x8B"
                               "b",
                               2),
              "\x83\x8B"
              "b");
    EXPECT_EQ(cp932::LastChars("ab", 3), "ab");
}

} // namespace
} // namespace lumo
