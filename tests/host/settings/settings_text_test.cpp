#include "settings.h"
#include "settings_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

Bytes Utf16FileOf(std::u16string_view text) {
    Bytes bytes{0xFF, 0xFE};
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

BgmSettings Chosen(std::wstring file) {
    BgmSettings settings;
    settings.BgmKind = 2;
    settings.BgmFile = std::move(file);
    return settings;
}

Bytes Saved(const Bytes& before, const BgmSettings& settings) {
    return IniWithValues(before, kIniSection, SettingTextsOf(settings));
}

// BGM区分, BGMﾘﾋﾟｰﾄ and BGMﾌｧｲﾙ as the profile functions write them on a Japanese system.
const std::string kNewFile932 = std::string("[Section]\r\n") + kKeyBgmKind + "= 2\r\n" +
                                kKeyBgmRepeat + "= 0\r\n" + kKeyBgmFile +
                                "=C:\\\x83\x5C\x83\x74\x83\x67\\a.mp3\r\n"; // C:\ソフト\a.mp3

TEST(SettingsText, APathCodePage932CanExpressIsWrittenInItsBytes) {
    EXPECT_EQ(Saved({}, Chosen(L"C:\\\u30BD\u30D5\u30C8\\a.mp3")), BytesOf(kNewFile932));
}

TEST(SettingsText, APathOutsideCodePage932MakesTheFileUtf16WithAByteOrderMark) {
    const std::wstring path = L"C:\\M\u00FAsica\\Caf\u00E9 \u266A \u591C.mp3";
    const Bytes file = Saved({}, Chosen(path));
    EXPECT_EQ(file,
              Utf16FileOf(u"[Section]\r\nBGM\u533A\u5206= 2\r\nBGM\uFF98\uFF8B\uFF9F\uFF70\uFF84"
                          u"= 0\r\nBGM\uFF8C\uFF67\uFF72\uFF99=C:\\M\u00FAsica\\Caf\u00E9 "
                          u"\u266A \u591C.mp3\r\n"));
    EXPECT_EQ(IniValueOf(file, kIniSection, kKeyBgmFile), path);
    EXPECT_EQ(IniValueOf(file, kIniSection, kKeyBgmKind), L"2");

    // Once UTF-16, the file stays so, as the profile functions keep it, and keeps its lines.
    const Bytes again = Saved(file, Chosen(L"C:\\a.mp3"));
    EXPECT_EQ(again, Utf16FileOf(u"[Section]\r\nBGM\u533A\u5206= 2\r\nBGM\uFF98\uFF8B\uFF9F\uFF70"
                                 u"\uFF84= 0\r\nBGM\uFF8C\uFF67\uFF72\uFF99=C:\\a.mp3\r\n"));
}

TEST(SettingsText, WritingKeepsTheRestOfAFileAsItWas) {
    // Another section before, a comment and a foreign key in ours, a key in another letter case.
    const std::string before =
        std::string("; made by hand\r\n[Other]\r\nx=1\r\n\r\n[section]\r\n") + "bgm" +
        std::string(kKeyBgmKind).substr(3) + "=1\r\nmine=\x83\x5C\r\n" + "\r\n[Last]\r\ny=2\r\n";
    const Bytes after = Saved(BytesOf(before), Chosen(L"C:\\a.mp3"));
    EXPECT_EQ(after, BytesOf(std::string("; made by hand\r\n[Other]\r\nx=1\r\n\r\n[section]\r\n") +
                             kKeyBgmKind + "= 2\r\nmine=\x83\x5C\r\n" + kKeyBgmRepeat + "= 0\r\n" +
                             kKeyBgmFile + "=C:\\a.mp3\r\n\r\n[Last]\r\ny=2\r\n"));

    // Turned into UTF-16, the other lines keep their characters.
    const Bytes wide = Saved(BytesOf(before), Chosen(L"C:\\Caf\u00E9.mp3"));
    EXPECT_EQ(IniValueOf(wide, "section", "mine"), L"\u30BD");
    EXPECT_EQ(IniValueOf(wide, "Last", "y"), L"2");
    EXPECT_EQ(IniValueOf(wide, kIniSection, kKeyBgmFile), L"C:\\Caf\u00E9.mp3");
}

TEST(SettingsText, ValuesAreReadAsTheProfileFunctionsReadThem) {
    const std::string file = std::string("[Section]\r\n  ") + kKeyBgmRepeat + " =  \" 5 \"  \r\n" +
                             kKeyBgmFile + "=" + std::string(300, 'v') + "\n" + "[Next]\r\n" +
                             kKeyBgmKind + "=1\r\n";
    const Bytes bytes = BytesOf(file);
    EXPECT_EQ(IniValueOf(bytes, kIniSection, kKeyBgmRepeat), L" 5 "); // quotes keep their blanks
    EXPECT_EQ(IniValueOf(bytes, kIniSection, kKeyBgmFile), std::wstring(255, L'v'));
    EXPECT_EQ(IniValueOf(bytes, kIniSection, kKeyBgmKind), L""); // in another section
    EXPECT_EQ(IniValueOf({}, kIniSection, kKeyBgmKind), L"");
    // A file written on a Japanese system reads the same here, whatever the code page.
    EXPECT_EQ(IniValueOf(BytesOf(kNewFile932), kIniSection, kKeyBgmFile),
              L"C:\\\u30BD\u30D5\u30C8\\a.mp3");
}

} // namespace
} // namespace lumo
