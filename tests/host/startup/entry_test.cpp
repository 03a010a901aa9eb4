#include "entry.h"
#include "wide_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace lumo {
namespace {

struct ProgramEnded {};

// Records every call of the entry, in order, and plays the platform's answers.
class FakeEntryHost final : public EntryHost, public ProgramServices {
  public:
    std::string arguments;
    std::set<std::string> windows;
    bool rendererPresent = true;
    std::int32_t cursorCountAfterHide = -1;
    BgmSettings settingsInFile;
    std::vector<std::string> calls;
    // What the entry handed over.
    SessionStart sessionStart;
    BgmSettings dialogSettings;
    std::wstring dialogFolder;

    std::string Arguments() override { return arguments; }
    std::wstring ProgramFolder() override {
        calls.push_back("ProgramFolder");
        return L"C:\\Saver";
    }
    bool WindowExists(const char* caption) override {
        calls.push_back(std::string("FindWindow ") + caption);
        return windows.count(caption) != 0;
    }
    void CreateFolder(const char* path) override {
        calls.push_back(std::string("CreateFolder ") + path);
    }
    // Paths are logged in code page 932, as the program's own names are written.
    BgmSettings LoadSettings(const std::wstring& folder) override {
        calls.push_back("LoadSettings " + ToCp932(folder).value());
        return settingsInFile;
    }
    bool FileExists(const std::wstring& path) override {
        calls.push_back("FileExists " + ToCp932(path).value());
        return rendererPresent;
    }
    void MessageBoxOk(const char* text, const char* caption) override {
        calls.push_back(std::string("MessageBox ") + text + " | " + caption);
    }
    void StartPreview(std::int32_t parent) override {
        calls.push_back("StartPreview " + std::to_string(parent));
    }
    void ShowSettingsDialogModal(BgmSettings& settings, const std::wstring& folder) override {
        calls.push_back("ShowSettingsDialogModal");
        dialogSettings = settings;
        dialogFolder = folder;
    }
    std::int32_t ShowCursor(std::int32_t show) override {
        calls.push_back("ShowCursor " + std::to_string(show));
        return cursorCountAfterHide;
    }
    void LoadSessionForm(const SessionStart& start) override {
        calls.push_back("LoadSessionForm");
        sessionStart = start;
    }
    [[noreturn]] void EndProgram() override {
        calls.push_back("EndProgram");
        throw ProgramEnded{};
    }
};

const std::string kFindSession = std::string("FindWindow ") + kSessionCaption;
const std::string kFindDialog = std::string("FindWindow ") + kDialogCaption;
const std::string kRendererCheck = std::string("FileExists C:\\Saver\\") + kRendererFileName;
const std::string kPrepare[] = {kFindSession,
                                kFindDialog,
                                "CreateFolder C:\\v_olka",
                                "ProgramFolder",
                                "LoadSettings C:\\Saver",
                                kRendererCheck};

// Runs Main; true when it returned (a form keeps the program), false when it ended it.
bool RunMain(FakeEntryHost& host) {
    try {
        Main(host, host);
        return true;
    } catch (const ProgramEnded&) {
        return false;
    }
}

std::vector<std::string> Prepared(std::initializer_list<std::string> tail) {
    std::vector<std::string> calls(std::begin(kPrepare), std::end(kPrepare));
    calls.insert(calls.end(), tail);
    return calls;
}

TEST(Entry, SlashSHidesTheCursorAndLoadsTheSession) {
    for (const char* line : {"/s", "-S", "/S", "-s"}) {
        FakeEntryHost host;
        host.arguments = line;
        host.cursorCountAfterHide = -1;
        EXPECT_TRUE(RunMain(host)) << line;
        EXPECT_EQ(host.calls, Prepared({"ShowCursor 0", "LoadSessionForm"})) << line;
        EXPECT_TRUE(host.sessionStart.restoreCursor) << line;
        EXPECT_EQ(host.sessionStart.cursorCount, -1) << line;
    }
}

// The session gets what the entry worked out once: the settings as loaded and the renderer's
// path in the program folder; the dialog gets the same settings and the folder.
TEST(Entry, TheSessionAndTheDialogGetTheSettingsAndPathsWorkedOutOnce) {
    FakeEntryHost session;
    session.arguments = "/s";
    session.settingsInFile.BgmKind = 2;
    session.settingsInFile.BgmFile = L"C:\\m\\a.mp3";
    EXPECT_TRUE(RunMain(session));
    EXPECT_EQ(session.sessionStart.settings.BgmKind, 2);
    EXPECT_EQ(session.sessionStart.settings.BgmFile, L"C:\\m\\a.mp3");
    EXPECT_EQ(ToCp932(session.sessionStart.rendererPath).value(),
              std::string("C:\\Saver\\") + kRendererFileName);

    FakeEntryHost dialog;
    dialog.arguments = "/c";
    dialog.settingsInFile.BgmRepeat = 5;
    EXPECT_FALSE(RunMain(dialog));
    EXPECT_EQ(dialog.dialogSettings.BgmRepeat, 5);
    EXPECT_EQ(dialog.dialogFolder, L"C:\\Saver");
}

TEST(Entry, AnEmptyCommandLineRunsTheSessionWithTheCursorLeftAlone) {
    FakeEntryHost host;
    EXPECT_TRUE(RunMain(host));
    EXPECT_EQ(host.calls, Prepared({"LoadSessionForm"}));
    EXPECT_FALSE(host.sessionStart.restoreCursor);
}

TEST(Entry, ConfigureShowsTheDialogModallyThenEnds) {
    for (const char* line : {"/c", "/C", "/c:1234", "/C 1234", "-c"}) {
        FakeEntryHost host;
        host.arguments = line;
        EXPECT_FALSE(RunMain(host)) << line;
        EXPECT_EQ(host.calls, Prepared({"ShowSettingsDialogModal", "EndProgram"})) << line;
    }
}

TEST(Entry, PreviewTouchesNoFolderSettingsOrRenderer) {
    FakeEntryHost host;
    host.arguments = "/p 1234";
    EXPECT_TRUE(RunMain(host));
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{kFindSession, kFindDialog, "StartPreview 1234"}));

    FakeEntryHost noNumber;
    noNumber.arguments = "/p";
    noNumber.rendererPresent = false; // not looked for: no message either
    EXPECT_TRUE(RunMain(noNumber));
    EXPECT_EQ(noNumber.calls.back(), "StartPreview 0");
}

TEST(Entry, OtherLettersAndOneCharacterLinesPrepareThenEndSilently) {
    for (const char* line : {"/a", "S", "x", "/A 12"}) {
        FakeEntryHost host;
        host.arguments = line;
        EXPECT_FALSE(RunMain(host)) << line;
        EXPECT_EQ(host.calls, Prepared({"EndProgram"})) << line;
    }
}

TEST(Entry, AMissingRendererShowsTheMessageThenEndsInEveryModeButPreview) {
    const std::string message =
        std::string("MessageBox ") + kRendererMissingText + " | " + kProgramTitle;
    for (const char* line : {"/s", "", "/c", "/a", "S"}) {
        FakeEntryHost host;
        host.arguments = line;
        host.rendererPresent = false;
        EXPECT_FALSE(RunMain(host)) << line;
        EXPECT_EQ(host.calls, Prepared({message, "EndProgram"})) << line;
        EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "ShowCursor 0"), 0)
            << "the cursor is not hidden before the check";
    }
}

TEST(Entry, ARunningSessionOrDialogEndsEveryStartAfterBothLookUps) {
    for (const char* running : {kSessionCaption, kDialogCaption}) {
        for (const char* line : {"/s", "/c", "/p 5", ""}) {
            FakeEntryHost host;
            host.arguments = line;
            host.windows.insert(running);
            EXPECT_FALSE(RunMain(host)) << line;
            EXPECT_EQ(host.calls,
                      (std::vector<std::string>{kFindSession, kFindDialog, "EndProgram"}))
                << line;
        }
    }
}

TEST(Entry, TheFixedTextsAreCodePage932) {
    // ルモヴェイン.dll が同じﾌｫﾙﾀﾞに見つかりません！ in code page 932, byte for byte.
    const unsigned char expected[] = {0x83, 0x8b, 0x83, 0x82, 0x83, 0x94, 0x83, 0x46, 0x83, 0x43,
                                      0x83, 0x93, 0x2e, 0x64, 0x6c, 0x6c, 0x20, 0x82, 0xaa, 0x93,
                                      0xaf, 0x82, 0xb6, 0xcc, 0xab, 0xd9, 0xc0, 0xde, 0x82, 0xc9,
                                      0x8c, 0xa9, 0x82, 0xc2, 0x82, 0xa9, 0x82, 0xe8, 0x82, 0xdc,
                                      0x82, 0xb9, 0x82, 0xf1, 0x81, 0x49};
    EXPECT_EQ(std::string(kRendererMissingText),
              std::string(reinterpret_cast<const char*>(expected), sizeof expected));
    EXPECT_EQ(std::string(kDialogCaption), std::string("<") + kProgramTitle + ">");
    EXPECT_EQ(std::string(kRendererFileName), std::string(kProgramTitle) + ".dll");
}

} // namespace
} // namespace lumo
