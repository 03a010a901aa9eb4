#include "command_line.h"
#include "wide_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

TEST(ArgumentsOf, DropsTheProgramNameQuotedOrNot) {
    EXPECT_EQ(ArgumentsOf("\"C:\\Program Files\\x.scr\" /s"), "/s");
    EXPECT_EQ(ArgumentsOf("C:\\x.scr /p 1234"), "/p 1234");
    EXPECT_EQ(ArgumentsOf("x.scr   /c:99  "), "/c:99  ");
    EXPECT_EQ(ArgumentsOf("x.scr"), "");
    EXPECT_EQ(ArgumentsOf("\"x.scr\""), "");
    EXPECT_EQ(ArgumentsOf("\"unterminated /s"), "");
    EXPECT_EQ(ArgumentsOf(""), "");
}

TEST(ArgumentsOf, DropsTheProgramsOwnPathWithItsBlanksInItsLongOrShortForm) {
    // Windows starts the saver with the path from its settings unquoted: a user folder with a
    // blank must not make "Ann\..." the arguments and "N" the mode letter.
    const std::string longPath = ToCp932Replacing(
        L"C:\\Users\\Mary Ann\\AppData\\Local\\Programs\\\u30EB\u30E2\u30F4\u30A7\u30A4\u30F3\\"
        L"\u30EB\u30E2\u30F4\u30A7\u30A4\u30F3.scr");
    const std::string shortPath =
        "C:\\Users\\MARYAN~1\\AppData\\Local\\Programs\\83B9~1\\83B9~1.SCR";
    const std::vector<std::string> forms{longPath, shortPath};
    EXPECT_EQ(ArgumentsOf(longPath + " /s", forms), "/s");
    EXPECT_EQ(ModeLetter(ArgumentsOf(longPath + " /s", forms)), "S");
    EXPECT_EQ(
        ArgumentsOf("c:\\users\\maryan~1\\appdata\\local\\programs\\83b9~1\\83b9~1.scr /s", forms),
        "/s");
    EXPECT_EQ(ArgumentsOf("\"" + longPath + "\"  /p 1234", forms), "/p 1234");
    EXPECT_EQ(ArgumentsOf(longPath, forms), "");

    // Anything else is cut by the plain rule: a longer name is another program's, and a trail
    // byte that looks like a letter is no letter ("\x83\x75" is not "\x83\x55").
    EXPECT_EQ(ArgumentsOf(longPath + ".old /s", forms).substr(0, 4), "Ann\\");
    EXPECT_EQ(
        ArgumentsOf("C:\\a b\x83\x75.scr /s", std::vector<std::string>{"C:\\a b\x83\x55.scr"}),
        "b\x83\x75.scr /s");
    EXPECT_EQ(ArgumentsOf("\"" + longPath + "x\" /s", forms), "/s");
}

TEST(ModeLetter, IsTheSecondCharacterUpperCasedWhateverTheFirst) {
    EXPECT_EQ(ModeLetter("/s"), "S");
    EXPECT_EQ(ModeLetter("-S"), "S");
    EXPECT_EQ(ModeLetter("/c"), "C");
    EXPECT_EQ(ModeLetter("/c:1234"), "C");
    EXPECT_EQ(ModeLetter("/C 1234"), "C");
    EXPECT_EQ(ModeLetter("/p 1234"), "P");
    EXPECT_EQ(ModeLetter("/a"), "A");
    EXPECT_EQ(ModeLetter("xs"), "S");
}

TEST(ModeLetter, IsEmptyForLinesShorterThanTwoCharacters) {
    EXPECT_EQ(ModeLetter(""), "");
    EXPECT_EQ(ModeLetter("S"), ""); // one character: not empty, but no letter
}

TEST(ModeLetter, CountsWideCharactersAsOne) {
    // "ｓ" is not a letter to upper-case, and a two-byte first character does not shift the
    // letter into its own trail byte.
    EXPECT_EQ(ModeLetter("\x82\x60s"), "S");        // "Ａs": second character is s
    EXPECT_EQ(ModeLetter("/\x82\x72"), "\x82\x72"); // "/Ｓ": a wide S is not the mode S
    EXPECT_EQ(ModeLetter("\x83\x5C"), "");          // one wide character only
}

TEST(ModeLetter, ReadsAUnicodeCommandLineAsOneCharacterForEachWithoutACodePage932Form) {
    // The line is UTF-16: a character code page 932 has no form for is one '?', so the
    // positions after it hold, and a program folder in any script is dropped whole.
    const std::string arguments = ArgumentsOf(
        ToCp932Replacing(L"\"C:\\Jos\u00e9\\\u30EB\u30E2.scr\" \u00e9s \u00fc\u00fc 12"));
    EXPECT_EQ(arguments, "?s ?? 12");
    EXPECT_EQ(ModeLetter(arguments), "S");
    EXPECT_EQ(ParentWindowHandle(arguments), 0); // position 4 is the second '?'
    EXPECT_EQ(ParentWindowHandle(ArgumentsOf(ToCp932Replacing(L"x.scr /p\u00fc12"))), 12);
}

TEST(ParentWindowHandle, ReadsTheDecimalNumberFromPositionFour) {
    EXPECT_EQ(ParentWindowHandle("/p 1234"), 1234);
    EXPECT_EQ(ParentWindowHandle("/p:1234"), 1234); // position 3 is skipped unread
    EXPECT_EQ(ParentWindowHandle("/p   -12"), -12);
    EXPECT_EQ(ParentWindowHandle("/p +7"), 7);
    EXPECT_EQ(ParentWindowHandle("/p 12ab34"), 12);
    EXPECT_EQ(ParentWindowHandle("/p 0012"), 12);
}

TEST(ParentWindowHandle, GivesZeroWithoutANumber) {
    EXPECT_EQ(ParentWindowHandle("/p"), 0);
    EXPECT_EQ(ParentWindowHandle("/p "), 0);
    EXPECT_EQ(ParentWindowHandle("/p    "), 0);
    EXPECT_EQ(ParentWindowHandle("/p x12"), 0);
    EXPECT_EQ(ParentWindowHandle("/p -"), 0);
    EXPECT_EQ(ParentWindowHandle(""), 0);
}

TEST(ParentWindowHandle, StaysWithinSigned32BitsAndNeverOverflows) {
    EXPECT_EQ(ParentWindowHandle("/p 2147483647"), 2147483647);
    EXPECT_EQ(ParentWindowHandle("/p -2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParentWindowHandle("/p 2147483648"), 0);
    EXPECT_EQ(ParentWindowHandle("/p -2147483649"), 0);
    EXPECT_EQ(ParentWindowHandle("/p 4294967296"), 0);
    EXPECT_EQ(ParentWindowHandle("/p 99999999999999999999999999999999999999"), 0);
    EXPECT_EQ(ParentWindowHandle("/p " + std::string(10000, '9')), 0);
}

} // namespace
} // namespace lumo
