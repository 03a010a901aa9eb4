#include "settings.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumo {
namespace {

// The settings file as a key/value table and the set of music files that can be read.
struct FakeSettingsFile {
    std::map<std::string, std::wstring> values;
    std::set<std::wstring> readableFiles;
    std::vector<std::string> keysRead;
    std::vector<std::wstring> filesProbed;

    BgmSettings Load(BgmSettings settings = {}) {
        LoadSettingsWith(
            settings, L"C:\\Saver",
            [this](const char* key) {
                keysRead.emplace_back(key);
                const auto found = values.find(key);
                return found == values.end() ? std::wstring() : found->second;
            },
            [this](const std::wstring& path) {
                filesProbed.push_back(path);
                return readableFiles.count(path) > 0;
            });
        return settings;
    }
};

TEST(LoadSettings, NoFileGivesDefaultsAndTheProgramFolder) {
    FakeSettingsFile file;
    const BgmSettings s = file.Load();
    EXPECT_EQ(s.BgmKind, 0);
    EXPECT_EQ(s.BgmRepeat, 0);
    EXPECT_EQ(s.BgmFile, L"");
    EXPECT_EQ(s.BgmFolder, L"C:\\Saver");
    EXPECT_EQ(file.keysRead, (std::vector<std::string>{kKeyBgmKind, kKeyBgmRepeat, kKeyBgmFile}));
    EXPECT_TRUE(file.filesProbed.empty()); // an empty path is never probed
}

TEST(LoadSettings, ExistingMusicFileIsKeptAndGivesTheFolder) {
    FakeSettingsFile file;
    file.values = {{kKeyBgmKind, L" 2"}, {kKeyBgmRepeat, L" 5"}, {kKeyBgmFile, L"D:\\M\\a b.mp3"}};
    file.readableFiles = {L"D:\\M\\a b.mp3"};
    const BgmSettings s = file.Load();
    EXPECT_EQ(s.BgmKind, 2);
    EXPECT_EQ(s.BgmRepeat, 5);
    EXPECT_EQ(s.BgmFile, L"D:\\M\\a b.mp3");
    EXPECT_EQ(s.BgmFolder, L"D:\\M");
}

TEST(LoadSettings, KindTwoWithoutUsableFileFallsBackToNone) {
    FakeSettingsFile file;
    file.values = {{kKeyBgmKind, L"2"}, {kKeyBgmFile, L""}};
    EXPECT_EQ(file.Load().BgmKind, 0);

    file.values = {{kKeyBgmKind, L"2"}, {kKeyBgmFile, L"D:\\gone.wav"}};
    const BgmSettings s = file.Load();
    EXPECT_EQ(s.BgmKind, 0);
    EXPECT_EQ(s.BgmFile, L"");
    EXPECT_EQ(s.BgmFolder, L"C:\\Saver");
    EXPECT_EQ(file.filesProbed, (std::vector<std::wstring>{L"D:\\gone.wav"}));
}

TEST(LoadSettings, KindOneKeepsItsKindWhenTheFileIsMissing) {
    FakeSettingsFile file;
    file.values = {{kKeyBgmKind, L"1"}, {kKeyBgmRepeat, L"3"}, {kKeyBgmFile, L"D:\\gone.mp3"}};
    const BgmSettings s = file.Load();
    EXPECT_EQ(s.BgmKind, 1);
    EXPECT_EQ(s.BgmRepeat, 3);
    EXPECT_EQ(s.BgmFile, L"");
    EXPECT_EQ(s.BgmFolder, L"C:\\Saver");
}

TEST(LoadSettings, OtherKindsStayAsRead) {
    FakeSettingsFile file;
    file.values = {{kKeyBgmKind, L"7"}, {kKeyBgmRepeat, L"-4"}};
    const BgmSettings s = file.Load();
    EXPECT_EQ(s.BgmKind, 7);
    EXPECT_EQ(s.BgmRepeat, -4);
}

TEST(LoadSettings, BadNumbersLeaveTheVariablesUnchanged) {
    FakeSettingsFile file;
    file.values = {{kKeyBgmKind, L"music"}, {kKeyBgmRepeat, L"99999"}};
    BgmSettings before;
    before.BgmKind = 1;
    before.BgmRepeat = 9;
    const BgmSettings s = file.Load(before);
    EXPECT_EQ(s.BgmKind, 1);
    EXPECT_EQ(s.BgmRepeat, 9);

    // An empty value is not "bad": it means 0.
    file.values = {{kKeyBgmKind, L""}, {kKeyBgmRepeat, L""}};
    const BgmSettings cleared = file.Load(before);
    EXPECT_EQ(cleared.BgmKind, 0);
    EXPECT_EQ(cleared.BgmRepeat, 0);
}

TEST(LoadSettings, BadKindTwoCheckUsesTheValueAlreadyInMemory) {
    // The kind keeps its old value 2 when its text is no number, so a missing file drops it.
    FakeSettingsFile file;
    file.values = {{kKeyBgmKind, L"x"}, {kKeyBgmFile, L"D:\\gone.mp3"}};
    BgmSettings before;
    before.BgmKind = 2;
    EXPECT_EQ(file.Load(before).BgmKind, 0);
}

TEST(LoadSettings, AFailingStepIsSkippedAndTheRestRuns) {
    BgmSettings s;
    s.BgmRepeat = 4;
    LoadSettingsWith(
        s, L"C:\\P",
        [](const char* key) -> std::wstring {
            if (std::string(key) == kKeyBgmRepeat) {
                throw std::runtime_error("read failed");
            }
            return std::string(key) == kKeyBgmKind ? L"1" : L"C:\\x.mp3";
        },
        [](const std::wstring&) { return true; });
    EXPECT_EQ(s.BgmKind, 1);
    EXPECT_EQ(s.BgmRepeat, 4);
    EXPECT_EQ(s.BgmFile, L"C:\\x.mp3");
    EXPECT_EQ(s.BgmFolder, L"C:");
}

} // namespace
} // namespace lumo
