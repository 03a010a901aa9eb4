#include "settings.h"
#include "settings_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>

namespace lumo {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::W;
using test::WriteBytes;

// Writes one key, as the settings window's three keys are written.
bool WriteOne(const char* key, const std::string& value, const std::string& path) {
    const IniValue one{key, W(value)};
    return WriteIni(kIniSection, std::span<const IniValue>(&one, 1), W(path)) == SaveOutcome::Saved;
}

// "ソフト": its first character's trail byte is 5C, the byte of '\'.
const std::string kSoftware = "\x83\x5C\x83\x74\x83\x67";

class SettingsFileTest : public ::testing::Test {
  protected:
    TempFolder program{"lumo " + kSoftware};
    std::string iniPath = program.path() + kIniFileName;
    BgmSettings loaded;

    void SetUp() override { ASSERT_EQ(GetACP(), 932u) << "the bench runs Wine with code page 932"; }
    // A settings file with the given lines under [Section], written byte for byte.
    void WriteSettings(const std::string& kind, const std::string& repeat,
                       const std::string& file) {
        ASSERT_TRUE(WriteBytes(iniPath, "[Section]\r\n" + std::string(kKeyBgmKind) + "=" + kind +
                                            "\r\n" + kKeyBgmRepeat + "=" + repeat + "\r\n" +
                                            kKeyBgmFile + "=" + file + "\r\n"));
    }
};

TEST_F(SettingsFileTest, NoFileGivesDefaults) {
    loaded = LoadSettings(W(program.path()));
    EXPECT_EQ(loaded.BgmKind, 0);
    EXPECT_EQ(loaded.BgmRepeat, 0);
    EXPECT_EQ(loaded.BgmFile, W(""));
    EXPECT_EQ(loaded.BgmFolder, W(program.path()));
}

TEST_F(SettingsFileTest, ReadsTheCodePage932KeysAndKeepsAnExistingFile) {
    const TempFolder music{"lumo music " + kSoftware};
    const std::string song = music / (kSoftware + " song.mp3");
    ASSERT_TRUE(WriteBytes(song, "ID3"));
    WriteSettings(" 2", " 5", song);
    loaded = LoadSettings(W(program.path()));
    EXPECT_EQ(loaded.BgmKind, 2);
    EXPECT_EQ(loaded.BgmRepeat, 5);
    EXPECT_EQ(loaded.BgmFile, W(song));
    EXPECT_EQ(loaded.BgmFolder, W(music.path()));
}

// Written from the stored bytes themselves, not from the program's constants, so that a changed
// key or file name byte shows here: files written by earlier versions must still be read.
TEST_F(SettingsFileTest, ReadsAFileWrittenWithTheStoredKeyBytes) {
    const std::string name =
        program.path() + "\\\x83\x8B\x83\x82\x83\x94\x83\x46\x83\x43\x83\x93.ini";
    const TempFolder music{"lumo music"};
    const std::string song = music / "a.wav";
    ASSERT_TRUE(WriteBytes(song, "RIFF"));
    ASSERT_TRUE(WriteBytes(name, "[Section]\r\n"
                                 "\x42\x47\x4D\x8B\xE6\x95\xAA= 2\r\n"
                                 "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4= 7\r\n"
                                 "\x42\x47\x4D\xCC\xA7\xB2\xD9=" +
                                     song + "\r\n"));
    loaded = LoadSettings(W(program.path()));
    EXPECT_EQ(loaded.BgmKind, 2);
    EXPECT_EQ(loaded.BgmRepeat, 7);
    EXPECT_EQ(loaded.BgmFile, W(song));
}

TEST_F(SettingsFileTest, KeysWithOtherBytesAreNotTheSettings) {
    // The same keys in full-width katakana (UTF-8 bytes here) are different keys.
    ASSERT_TRUE(WriteBytes(iniPath, "[Section]\r\nBGM\xE5\x8C\xBA\xE5\x88\x86=1\r\n"
                                    "BGMﾘﾋﾟｰﾄ=4\r\n"));
    loaded = LoadSettings(W(program.path()));
    EXPECT_EQ(loaded.BgmKind, 0);
    EXPECT_EQ(loaded.BgmRepeat, 0);
}

TEST_F(SettingsFileTest, KindTwoWithEmptyFileBecomesNone) {
    WriteSettings("2", "0", "");
    loaded = LoadSettings(W(program.path()));
    EXPECT_EQ(loaded.BgmKind, 0);
    EXPECT_EQ(loaded.BgmFolder, W(program.path()));
}

TEST_F(SettingsFileTest, KindOneWithMissingFileStaysOne) {
    WriteSettings("1", "3", program / "gone.mp3");
    loaded = LoadSettings(W(program.path()));
    EXPECT_EQ(loaded.BgmKind, 1);
    EXPECT_EQ(loaded.BgmRepeat, 3);
    EXPECT_EQ(loaded.BgmFile, W(""));
    EXPECT_EQ(loaded.BgmFolder, W(program.path()));
}

TEST_F(SettingsFileTest, KindTwoFileThatNoLongerExistsFallsBackToNone) {
    const std::string song = program / "old song.wav";
    ASSERT_TRUE(WriteBytes(song, "RIFF"));
    WriteSettings("2", "0", song);
    ASSERT_TRUE(DeleteFileA(song.c_str()));
    loaded = LoadSettings(W(program.path()));
    EXPECT_EQ(loaded.BgmKind, 0);
    EXPECT_EQ(loaded.BgmFile, W(""));
    EXPECT_EQ(loaded.BgmFolder, W(program.path()));
}

TEST_F(SettingsFileTest, BadNumbersGiveZero) {
    WriteSettings("music", "99999999999999999999", "");
    loaded = LoadSettings(W(program.path()));
    EXPECT_EQ(loaded.BgmKind, 0);
    EXPECT_EQ(loaded.BgmRepeat, 0);
}

TEST_F(SettingsFileTest, ValuesAreSeenCutTo255Bytes) {
    const std::string longValue(300, 'v');
    WriteSettings("1", "0", longValue);
    EXPECT_EQ(ReadIni(kIniSection, kKeyBgmFile, W(iniPath)), W(std::string(255, 'v')));

    // A file whose path is exactly the first 255 bytes of the value is what gets kept.
    const std::string prefix = program.path() + "\\";
    ASSERT_LT(prefix.size(), 240u);
    const std::string cut = prefix + std::string(255 - prefix.size(), 'a');
    ASSERT_TRUE(WriteBytes(cut, "x"));
    WriteSettings("2", "0", cut + ".mp3");
    loaded = LoadSettings(W(program.path()));
    EXPECT_EQ(loaded.BgmKind, 2);
    EXPECT_EQ(loaded.BgmFile, W(cut));
}

TEST_F(SettingsFileTest, MusicPathLongerThan255BytesIsDropped) {
    WriteSettings("2", "0", program / (std::string(280, 'x') + ".mp3"));
    loaded = LoadSettings(W(program.path()));
    EXPECT_EQ(loaded.BgmKind, 0);
    EXPECT_EQ(loaded.BgmFile, W(""));
}

TEST_F(SettingsFileTest, ReadIniOfMissingSectionOrKeyIsEmpty) {
    WriteSettings("1", "2", "x");
    EXPECT_EQ(ReadIni("Other", kKeyBgmKind, W(iniPath)), W(""));
    EXPECT_EQ(ReadIni(kIniSection, "BGM", W(iniPath)), W(""));
    EXPECT_EQ(ReadIni(kIniSection, kKeyBgmKind, W(program / "none.ini")), W(""));
}

TEST_F(SettingsFileTest, WriteIniRoundTrip) {
    const TempFolder music{"lumo out"};
    const std::string song = music / "a b.wav";
    ASSERT_TRUE(WriteBytes(song, "RIFF"));
    WriteOne(kKeyBgmKind, FormatSettingNumber(2), iniPath);
    EXPECT_NE(ApiResult, 0);
    WriteOne(kKeyBgmRepeat, FormatSettingNumber(-1), iniPath);
    WriteOne(kKeyBgmFile, song, iniPath);

    const std::string bytes = ReadBytes(iniPath);
    EXPECT_NE(bytes.find("[Section]"), std::string::npos) << bytes;
    // The platform may drop the written blank in front of a number: accept both forms.
    const std::string kindLine = std::string(kKeyBgmKind) + "=";
    EXPECT_TRUE(bytes.find(kindLine + " 2") != std::string::npos ||
                bytes.find(kindLine + "2") != std::string::npos)
        << bytes;
    EXPECT_NE(bytes.find(std::string(kKeyBgmRepeat) + "=-1"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find(std::string(kKeyBgmFile) + "=" + song), std::string::npos) << bytes;
    EXPECT_LT(bytes.find(kKeyBgmKind), bytes.find(kKeyBgmRepeat));
    EXPECT_LT(bytes.find(kKeyBgmRepeat), bytes.find(kKeyBgmFile));

    loaded = LoadSettings(W(program.path()));
    EXPECT_EQ(loaded.BgmKind, 2);
    EXPECT_EQ(loaded.BgmRepeat, -1);
    EXPECT_EQ(loaded.BgmFile, W(song));
    EXPECT_EQ(loaded.BgmFolder, W(music.path()));

    // An empty value keeps the key, with nothing after '='.
    WriteOne(kKeyBgmFile, "", iniPath);
    EXPECT_NE(ReadBytes(iniPath).find(std::string(kKeyBgmFile) + "="), std::string::npos);
    EXPECT_EQ(ReadIni(kIniSection, kKeyBgmFile, W(iniPath)), W(""));
}

// A save names why it failed, and a program folder past the classic path limit saves and reads
// like any other.
TEST_F(SettingsFileTest, ASaveSaysWhyItFailedAndADeepFolderSaves) {
    WriteSettings(" 1", " 3", "");
    {
        // Held open by another program that shares nothing: the file is locked.
        const HANDLE held = CreateFileW(W(iniPath).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        EXPECT_EQ(WriteIni(kIniSection, {}, W(iniPath)), SaveOutcome::FileLocked);
        CloseHandle(held);
    }
    ASSERT_TRUE(WriteBytes(iniPath, std::string(2 << 20, 'x')));
    EXPECT_EQ(WriteIni(kIniSection, {}, W(iniPath)), SaveOutcome::FileUnreadable);
    EXPECT_EQ(ReadBytes(iniPath).size(), std::size_t{2 << 20}) << "the file was replaced";

    std::wstring deep = W(program.path());
    while (deep.size() < 300) {
        deep += L"\\" + std::wstring(40, L'd');
        CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr);
    }
    const IniValue kind{kKeyBgmKind, L"2"};
    EXPECT_EQ(WriteIni(kIniSection, std::span<const IniValue>(&kind, 1), SettingsFilePath(deep)),
              SaveOutcome::Saved);
    EXPECT_EQ(ReadIni(kIniSection, kKeyBgmKind, SettingsFilePath(deep)), L"2");
    EXPECT_TRUE(FileExists(SettingsFilePath(deep)));
    // The tree goes with the test folder only when its files are gone first.
    DeleteFileW((L"\\\\?\\" + SettingsFilePath(deep)).c_str());
    while (deep.size() > program.path().size()) {
        RemoveDirectoryW((L"\\\\?\\" + deep).c_str());
        deep.resize(deep.rfind(L'\\'));
    }
}

// A virus scanner or the indexer opens a file for a moment, sharing it for reading only: the
// save waits until it lets go instead of failing.
TEST_F(SettingsFileTest, ASaveWaitsOutAMomentaryHoldOnTheFile) {
    WriteSettings(" 1", " 3", "");
    const HANDLE held =
        CreateFileW(W(iniPath).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::wstring temporary = W(iniPath + ".tmp");
    std::thread scanner([&] {
        // Let go only once the new file is written and its first replace has met the hold.
        for (int waited = 0;
             waited < 5000 && GetFileAttributesW(temporary.c_str()) == INVALID_FILE_ATTRIBUTES;
             ++waited) {
            Sleep(1);
        }
        Sleep(200);
        CloseHandle(held);
    });
    const IniValue kind{kKeyBgmKind, L"2"};
    const SaveOutcome outcome =
        WriteIni(kIniSection, std::span<const IniValue>(&kind, 1), W(iniPath));
    scanner.join();
    EXPECT_EQ(outcome, SaveOutcome::Saved);
    EXPECT_EQ(ReadIni(kIniSection, kKeyBgmKind, W(iniPath)), L"2");
}

TEST(FileExists, FilesFoldersAndTrailingBackslashes) {
    const TempFolder folder{"lumo exists"};
    const std::string file = folder / "song.mp3";
    ASSERT_TRUE(WriteBytes(file, "x"));
    EXPECT_TRUE(FileExists(W(file)));
    EXPECT_TRUE(FileExists(W(file + "\\")));
    EXPECT_FALSE(FileExists(W(folder.path())));
    EXPECT_FALSE(FileExists(W(folder.path() + "\\")));
    EXPECT_FALSE(FileExists(W("")));
    EXPECT_FALSE(FileExists(W("\\")));
    EXPECT_FALSE(FileExists(W(folder / "missing.mp3")));
}

TEST(FileExists, NameEndingInATrailByteThatLooksLikeABackslash) {
    const TempFolder folder{"lumo exists"};
    const std::string file = folder / kSoftware.substr(0, 2); // "ソ" alone: 83 5C
    ASSERT_TRUE(WriteBytes(file, "x"));
    EXPECT_TRUE(FileExists(W(file)));
    EXPECT_TRUE(FileExists(W(file + "\\")));
}

TEST(FileExists, AFileThatCannotBeOpenedForReading) {
    const TempFolder folder{"lumo exists"};
    const std::string file = folder / "locked.wav";
    ASSERT_TRUE(WriteBytes(file, "x"));
    const HANDLE exclusive = CreateFileA(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(FileExists(W(file)));
    CloseHandle(exclusive);
    EXPECT_TRUE(FileExists(W(file)));
}

} // namespace
} // namespace lumo
