#include "dialog_steps.h"

#include "settings.h"
#include "zoom.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace lumo {
namespace {

// The window as the steps see it: control states, and a log of what was done in which order.
class FakeHost final : public DialogHost {
  public:
    double screenWidth = 1024 * 15;
    double screenHeight = 768 * 15;
    double windowWidth = 7530;
    double windowHeight = 4050;
    std::vector<std::string> log;
    bool repeatEnabled = true;
    bool fileEnabled = true;
    std::map<int, int> marks{{0, -1}, {1, -1}, {2, -1}}; // Img_BGM index -> Img_Ra picture
    std::string repeatText;
    std::vector<std::string> repeatItems;
    std::wstring fileCaption;
    std::int32_t cursorResult = 1;
    std::int64_t cursorX = 300;
    std::int64_t cursorY = 200;
    std::int32_t chooserResult = 1;
    std::wstring chooserPath;
    std::wstring chooserFolder;
    std::vector<std::pair<std::string, std::wstring>> writes; // key, value
    SaveOutcome writeOutcome = SaveOutcome::Saved;
    const char* failureText = nullptr;
    std::string opened;
    DialogPointer pointer = DialogPointer::Wait;
    DialogPointer pointerWhileOpening = DialogPointer::Default;

    double ScreenWidth() override { return screenWidth; }
    double ScreenHeight() override { return screenHeight; }
    double WindowWidth() override { return windowWidth; }
    double WindowHeight() override { return windowHeight; }
    void MoveWindow(double left, double top) override {
        log.push_back("move " + std::to_string(static_cast<long long>(left)) + " " +
                      std::to_string(static_cast<long long>(top)));
    }
    void InitializeCommandButtons() override { log.push_back("initialize buttons"); }
    void SetRepeatEnabled(bool enabled) override {
        repeatEnabled = enabled;
        log.push_back(enabled ? "repeat on" : "repeat off");
    }
    void SetFileButtonEnabled(int index, bool enabled) override {
        if (index != 0) {
            throw std::out_of_range("Cmd_File");
        }
        fileEnabled = enabled;
        log.push_back(enabled ? "file on" : "file off");
    }
    void SetMarkPicture(int mark, int picture) override {
        marks.at(mark) = picture; // a missing element throws, as the control array does
        log.push_back("mark " + std::to_string(mark) + "=" + std::to_string(picture));
    }
    void SetRepeatText(const std::string& text) override {
        repeatText = text;
        log.push_back("text '" + text + "' with " + std::to_string(repeatItems.size()) +
                      " entries");
    }
    std::string RepeatText() override { return repeatText; }
    void AddRepeatItem(const std::string& item) override { repeatItems.push_back(item); }
    void SetFileCaption(int index, const std::wstring& caption) override {
        if (index != 0) {
            throw std::out_of_range("lbl_Fname");
        }
        fileCaption = caption;
    }
    std::int32_t CursorPosition(std::int64_t& x, std::int64_t& y) override {
        x = cursorX;
        y = cursorY;
        return cursorResult;
    }
    void ZoomOpen() override {
        log.push_back("zoom open from " + std::to_string(ZoomX) + "," + std::to_string(ZoomY));
    }
    void ZoomClose() override { log.push_back("zoom close"); }
    void SetMousePointer(DialogPointer to) override {
        pointer = to;
        log.push_back(to == DialogPointer::Wait ? "pointer wait" : "pointer default");
    }
    std::int32_t ChooseFile(const std::wstring& initialFolder, std::wstring& path) override {
        chooserFolder = initialFolder;
        path = chooserPath;
        return chooserResult;
    }
    SaveOutcome WriteSettings(std::span<const IniValue> values) override {
        for (const auto& value : values) {
            writes.emplace_back(value.key, value.value);
        }
        log.push_back("write");
        return writeOutcome;
    }
    void ShowSaveFailure(const char* text) override {
        log.push_back("save failed");
        failureText = text;
    }
    void UnloadForm() override { log.push_back("unload"); }
    std::string UrlCaption() override { return kWebAddress; }
    void OpenDocument(const std::string& file) override {
        opened = file;
        pointerWhileOpening = pointer;
        log.push_back("open");
    }
};

class DialogSteps : public ::testing::Test {
  protected:
    void SetUp() override {
        ZoomX = 0;
        ZoomY = 0;
        settings.BgmFolder = L"C:\\Saver";
    }
    SettingsDialogSteps Load() {
        SettingsDialogSteps steps(host, settings, apiResult);
        steps.Form_Load();
        return steps;
    }
    FakeHost host;
    BgmSettings settings;
    std::int32_t apiResult = 0;
};

TEST(PlaceDialog, CentresAcrossAndStandsAtOneThirdOfTheFreeHeight) {
    const DialogPlace place = PlaceDialog(15360, 11520, 7530, 4050);
    EXPECT_EQ(place.left, 3915);
    EXPECT_EQ(place.top, 2490);
    // Differences rounded half to even first, then divided with the fraction dropped.
    EXPECT_EQ(PlaceDialog(1002.5, 1001.5, 0, 0).left, 501); // 1002 / 2
    EXPECT_EQ(PlaceDialog(1003.5, 1003.5, 0, 0).left, 502); // 1004 / 2
    EXPECT_EQ(PlaceDialog(1003.5, 1003.5, 0, 0).top, 334);  // 1004 / 3 = 334.67
    EXPECT_EQ(PlaceDialog(0, 0, 7530, 4050).left, -3765);   // a window larger than the screen
    EXPECT_EQ(PlaceDialog(0, 0, 7530, 4051).top, -1350);    // -4051 / 3 = -1350.33
}

TEST_F(DialogSteps, OpeningRunsItsStepsInOrder) {
    settings.BgmKind = 1;
    settings.BgmRepeat = 12;
    settings.BgmFile = L"C:\\Music\\a.mp3";
    Load();
    const std::vector<std::string> expected{"move 3915 2490",
                                            "initialize buttons",
                                            "repeat off",
                                            "mark 0=0",
                                            "mark 1=0",
                                            "mark 2=0",
                                            "mark 1=1",
                                            "repeat on",
                                            "file off",
                                            "text '12' with 0 entries",
                                            "zoom open from 300,200",
                                            "pointer default"};
    EXPECT_EQ(host.log, expected);
    ASSERT_EQ(host.repeatItems.size(), 31u);
    EXPECT_EQ(host.repeatItems[0], "");
    EXPECT_EQ(host.repeatItems[1], "1");
    EXPECT_EQ(host.repeatItems[30], "30");
    EXPECT_EQ(host.fileCaption, L"C:\\Music\\a.mp3");
    EXPECT_EQ(apiResult, 1);
}

TEST_F(DialogSteps, ControlsFollowTheStoredKind) {
    struct Case {
        std::int16_t kind;
        int marked; // -1: none
        bool repeat;
        bool file;
    };
    for (const Case c : {Case{0, 0, false, false}, Case{1, 1, true, false}, Case{2, 2, false, true},
                         Case{5, -1, false, false}}) {
        SCOPED_TRACE(c.kind);
        host = FakeHost{};
        settings.BgmKind = c.kind;
        Load();
        for (int mark = 0; mark <= 2; ++mark) {
            EXPECT_EQ(host.marks[mark], mark == c.marked ? 1 : 0) << "mark " << mark;
        }
        EXPECT_EQ(host.repeatEnabled, c.repeat);
        EXPECT_EQ(host.fileEnabled, c.file);
        // The later steps still ran after the missing mark of kind 5.
        EXPECT_EQ(host.log.back(), "pointer default");
    }
}

TEST_F(DialogSteps, AStoredTrackOfZeroShowsAnEmptyBox) {
    settings.BgmRepeat = 0;
    Load();
    EXPECT_EQ(host.repeatText, "");
}

TEST_F(DialogSteps, ZoomOriginComesFromTheCursorOrFallsBackToTheCorner) {
    host.cursorX = 40000; // beyond 16 bits: ZoomX keeps its value, ZoomY still moves
    host.cursorY = 17;
    ZoomX = 5;
    Load();
    EXPECT_EQ(ZoomX, 5);
    EXPECT_EQ(ZoomY, 17);

    host = FakeHost{};
    host.cursorResult = 0;
    Load();
    EXPECT_EQ(ZoomX, 0);
    EXPECT_EQ(ZoomY, 0);
    EXPECT_EQ(apiResult, 0);
    EXPECT_NE(std::find(host.log.begin(), host.log.end(), "zoom open from 0,0"), host.log.end());
}

TEST_F(DialogSteps, ChoosingAKindMarksItAndSetsTheDependentControls) {
    auto steps = Load();
    host.repeatText = "7";
    struct Case {
        int kind;
        bool repeat;
        bool file;
    };
    for (const Case c : {Case{1, true, false}, Case{0, false, false}, Case{2, false, true},
                         Case{2, false, true}, Case{1, true, false}}) {
        SCOPED_TRACE(c.kind);
        host.log.clear();
        steps.SelectBgmKind(c.kind);
        EXPECT_EQ(settings.BgmKind, c.kind);
        EXPECT_EQ(host.log[0], "file off");
        EXPECT_EQ(host.log[1], "repeat off");
        for (int mark = 0; mark <= 2; ++mark) {
            EXPECT_EQ(host.marks[mark], mark == c.kind ? 1 : 0);
        }
        EXPECT_EQ(host.repeatEnabled, c.repeat);
        EXPECT_EQ(host.fileEnabled, c.file);
        EXPECT_EQ(host.repeatText, "7"); // the track text stays throughout
    }
}

TEST_F(DialogSteps, AChosenFileIsShownAndItsFolderRemembered) {
    settings.BgmFile = L"";
    settings.BgmFolder = L"C:\\Saver";
    auto steps = Load();
    host.chooserPath = L"D:\\Music\\Loop.wav";
    host.chooserResult = 1;
    steps.Cmd_File_Click(0);
    EXPECT_EQ(host.chooserFolder, L"C:\\Saver");
    EXPECT_EQ(settings.BgmFile, L"D:\\Music\\Loop.wav");
    EXPECT_EQ(host.fileCaption, L"D:\\Music\\Loop.wav");
    EXPECT_EQ(settings.BgmFolder, L"D:\\Music");
    EXPECT_EQ(apiResult, 1);
    // The next time the chooser starts in that folder; a cancel changes nothing.
    host.chooserResult = 0;
    host.chooserPath = L"E:\\Other.mp3";
    steps.Cmd_File_Click(0);
    EXPECT_EQ(host.chooserFolder, L"D:\\Music");
    EXPECT_EQ(settings.BgmFile, L"D:\\Music\\Loop.wav");
    EXPECT_EQ(host.fileCaption, L"D:\\Music\\Loop.wav");
    EXPECT_EQ(apiResult, 0);
}

TEST_F(DialogSteps, SavingWritesTheThreeKeysInOrderThenCloses) {
    settings.BgmKind = 1;
    settings.BgmFile = L"C:\\\u30BD\u30D5\u30C8\\a.mp3"; // C:\ソフト\a.mp3
    auto steps = Load();
    host.log.clear();
    host.repeatText = "3.5";
    steps.Cmd_Set_Click();
    using W = std::pair<std::string, std::wstring>;
    const std::vector<W> expected{W{kKeyBgmKind, L" 1"}, W{kKeyBgmRepeat, L" 4"},
                                  W{kKeyBgmFile, settings.BgmFile}};
    EXPECT_EQ(host.writes, expected);
    EXPECT_EQ(settings.BgmRepeat, 4);
    EXPECT_EQ(host.log, (std::vector<std::string>{"write", "unload"}));
}

TEST_F(DialogSteps, ASaveThatFailsKeepsTheWindowOpenAndSaysWhy) {
    auto steps = Load();
    host.log.clear();
    host.writeOutcome = SaveOutcome::FolderNotWritable;
    steps.Cmd_Set_Click();
    EXPECT_EQ(host.log, (std::vector<std::string>{"write", "save failed"}));
    EXPECT_EQ(host.failureText, kSaveFailedText);
    // Each cause has a message of its own.
    const std::pair<SaveOutcome, const char*> causes[] = {
        {SaveOutcome::FileLocked, kSaveLockedText},
        {SaveOutcome::FileUnreadable, kSaveUnreadableText},
        {SaveOutcome::PathTooLong, kSavePathTooLongText},
        {SaveOutcome::WriteFailed, kSaveWriteFailedText}};
    for (const auto& [outcome, text] : causes) {
        host.writeOutcome = outcome;
        steps.Cmd_Set_Click();
        EXPECT_EQ(host.failureText, text);
        EXPECT_EQ(host.log.back(), "save failed");
    }
    // The user may free the folder and press again.
    host.writeOutcome = SaveOutcome::Saved;
    steps.Cmd_Set_Click();
    EXPECT_EQ(host.log.back(), "unload");
}

TEST_F(DialogSteps, SavingTakesTheTrackTextAsTheBoxHoldsIt) {
    struct Case {
        const char* text;
        const wchar_t* written;
    };
    for (const Case c : {Case{" 7 ", L" 7"}, Case{"3.5", L" 4"}, Case{"2.5", L" 2"},
                         Case{"abc", L" 0"}, Case{"", L" 0"}, Case{"12", L" 12"}, Case{"-3", L"-3"},
                         Case{"40000", L" 0"}, Case{"1e9", L" 0"}}) {
        SCOPED_TRACE(c.text);
        host = FakeHost{};
        auto steps = Load();
        host.repeatText = c.text;
        steps.Cmd_Set_Click();
        ASSERT_EQ(host.writes.size(), 3u);
        EXPECT_EQ(host.writes[1].second, c.written);
        EXPECT_EQ(host.log.back(), "unload");
    }
}

TEST_F(DialogSteps, SavingWritesKindsAsTheyStand) {
    settings.BgmKind = 5; // as read from the file, no choice made: written back
    auto steps = Load();
    steps.Cmd_Set_Click();
    EXPECT_EQ(host.writes[0].second, L" 5");
    EXPECT_EQ(host.writes[2].second, L"");

    host = FakeHost{};
    auto again = Load();
    again.SelectBgmKind(2); // MP3、WAV without a file: kind 2 and an empty path
    again.Cmd_Set_Click();
    EXPECT_EQ(host.writes[0].second, L" 2");
    EXPECT_EQ(host.writes[2].second, L"");
}

TEST_F(DialogSteps, CancellingAndClosingWriteNothing) {
    auto steps = Load();
    host.log.clear();
    steps.Cmd_Can_Click();
    steps.Form_Unload();
    EXPECT_TRUE(host.writes.empty());
    EXPECT_EQ(host.log, (std::vector<std::string>{"unload", "zoom close"}));
}

TEST_F(DialogSteps, TheLinkOpensItsCaptionUnderTheWaitPointer) {
    auto steps = Load();
    host.log.clear();
    steps.lbl_URL_Click();
    EXPECT_EQ(host.opened, "https://lumovane.example/");
    EXPECT_EQ(host.pointerWhileOpening, DialogPointer::Wait);
    EXPECT_EQ(host.pointer, DialogPointer::Default);
    EXPECT_EQ(host.log, (std::vector<std::string>{"pointer wait", "open", "pointer default"}));
}

} // namespace
} // namespace lumo
