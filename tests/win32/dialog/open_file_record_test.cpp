#include "open_file_record.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace lumo {
namespace {

TEST(OpenFileRecord, HoldsTheChooserRecordOfTheSettingsWindow) {
    const HWND owner = reinterpret_cast<HWND>(0x1234);
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    OpenFileRecord record(owner, instance, L"C:\\\u30BD\u30D5\u30C8"); // C:\ソフト
    const OPENFILENAMEW& r = record.Record();
    EXPECT_EQ(r.lStructSize, sizeof(OPENFILENAMEW));
    EXPECT_EQ(r.hwndOwner, owner);
    EXPECT_EQ(r.hInstance, instance);
    // One filter: description, pattern, then the empty string that ends the list.
    const wchar_t* filter = r.lpstrFilter;
    ASSERT_NE(filter, nullptr);
    EXPECT_STREQ(filter, L"BGM\uFF8C\uFF67\uFF72\uFF99 (MP3 WAV)"); // BGMﾌｧｲﾙ
    filter += std::wcslen(filter) + 1;
    EXPECT_STREQ(filter, L"*.MP3;*.WAV");
    filter += std::wcslen(filter) + 1;
    EXPECT_STREQ(filter, L"");
    EXPECT_EQ(r.lpstrCustomFilter, nullptr);
    EXPECT_EQ(r.nFilterIndex, 0u);
    ASSERT_NE(r.lpstrFile, nullptr);
    EXPECT_EQ(r.nMaxFile, 255u);
    EXPECT_EQ(std::wstring(r.lpstrFile, 256), std::wstring(256, L'\0'));
    ASSERT_NE(r.lpstrFileTitle, nullptr);
    EXPECT_EQ(r.nMaxFileTitle, 255u);
    EXPECT_NE(r.lpstrFileTitle, r.lpstrFile);
    EXPECT_STREQ(r.lpstrInitialDir, L"C:\\\u30BD\u30D5\u30C8");
    EXPECT_STREQ(r.lpstrTitle, L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F"); // ﾌｧｲﾙを開く
    EXPECT_EQ(r.Flags, 0u);
    EXPECT_EQ(r.lpstrDefExt, nullptr);
    EXPECT_EQ(r.lpfnHook, nullptr);
    EXPECT_EQ(r.lpTemplateName, nullptr);
}

TEST(OpenFileRecord, ChosenPathEndsAtTheFirstNulAndNeverRunsOver) {
    OpenFileRecord record(nullptr, nullptr, L"C:\\");
    EXPECT_EQ(record.ChosenPath(), L"");
    wchar_t* file = record.Record().lpstrFile;
    std::wmemcpy(file, L"C:\\Caf\u00E9.mp3\0b", 13);
    EXPECT_EQ(record.ChosenPath(), L"C:\\Caf\u00E9.mp3");
    std::wmemset(file, L'x', 255); // a full buffer still ends inside the record's storage
    EXPECT_EQ(record.ChosenPath(), std::wstring(255, L'x'));
}

} // namespace
} // namespace lumo
