#include "open_file_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace lumo {
namespace {

TEST(OpenFileRecord, HoldsTheChooserRecordOfTheSettingsWindow) {
    const HWND owner = reinterpret_cast<HWND>(0x1234);
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    OpenFileRecord record(owner, instance, "C:\\\x83\x5C\x83\x74\x83\x67"); // C:\ソフト
    const OPENFILENAMEA& r = record.Record();
    EXPECT_EQ(r.lStructSize, sizeof(OPENFILENAMEA));
    EXPECT_EQ(r.hwndOwner, owner);
    EXPECT_EQ(r.hInstance, instance);
    // One filter: description, pattern, then the empty string that ends the list.
    const char* filter = r.lpstrFilter;
    ASSERT_NE(filter, nullptr);
    EXPECT_STREQ(filter, "BGM\xCC\xA7\xB2\xD9 (MP3 WAV)");
    filter += std::strlen(filter) + 1;
    EXPECT_STREQ(filter, "*.MP3;*.WAV");
    filter += std::strlen(filter) + 1;
    EXPECT_STREQ(filter, "");
    EXPECT_EQ(r.lpstrCustomFilter, nullptr);
    EXPECT_EQ(r.nFilterIndex, 0u);
    ASSERT_NE(r.lpstrFile, nullptr);
    EXPECT_EQ(r.nMaxFile, 255u);
    EXPECT_EQ(std::string(r.lpstrFile, 256), std::string(256, '\0'));
    ASSERT_NE(r.lpstrFileTitle, nullptr);
    EXPECT_EQ(r.nMaxFileTitle, 255u);
    EXPECT_NE(r.lpstrFileTitle, r.lpstrFile);
    EXPECT_STREQ(r.lpstrInitialDir, "C:\\\x83\x5C\x83\x74\x83\x67");
    EXPECT_STREQ(r.lpstrTitle, "\xCC\xA7\xB2\xD9\x82\xF0\x8A\x4A\x82\xAD");
    EXPECT_EQ(r.Flags, 0u);
    EXPECT_EQ(r.lpstrDefExt, nullptr);
    EXPECT_EQ(r.lpfnHook, nullptr);
    EXPECT_EQ(r.lpTemplateName, nullptr);
}

TEST(OpenFileRecord, ChosenPathEndsAtTheFirstNulAndNeverRunsOver) {
    OpenFileRecord record(nullptr, nullptr, "C:\\");
    EXPECT_EQ(record.ChosenPath(), "");
    char* file = record.Record().lpstrFile;
    std::memcpy(file, "C:\\a.mp3\0b", 10);
    EXPECT_EQ(record.ChosenPath(), "C:\\a.mp3");
    std::memset(file, 'x', 255); // a full buffer still ends inside the record's storage
    EXPECT_EQ(record.ChosenPath(), std::string(255, 'x'));
}

} // namespace
} // namespace lumo
