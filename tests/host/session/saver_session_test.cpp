#include "program_names.h"
#include "saver_session.h"
#include "wide_text.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumo {
namespace {

struct ProgramEnded {};

// One log for the form and the music, so the order between them is checked too.
using Log = std::vector<std::string>;

const char* NameOf(SessionTimer timer) {
    switch (timer) {
    case SessionTimer::Mp3Repeat:
        return "Timer1";
    case SessionTimer::CdWatch:
        return "Timer2";
    case SessionTimer::RendererWatch:
        break;
    }
    return "Timer3";
}

class FakeSessionHost final : public SessionHost {
  public:
    explicit FakeSessionHost(Log& log) : log_(log) {}
    std::map<SessionTimer, bool> timers{{SessionTimer::Mp3Repeat, false},
                                        {SessionTimer::CdWatch, false},
                                        {SessionTimer::RendererWatch, true}};
    SaverSession* session = nullptr; // Unload raises QueryUnload, as the form does

    void SizeToScreen() override { log_.push_back("SizeToScreen"); }
    bool captureFails = false;
    bool saveFails = false;
    bool CaptureDesktop() override {
        log_.push_back("CaptureDesktop");
        return !captureFails;
    }
    bool SaveSnapshot(const char* path) override {
        log_.push_back(std::string("Save ") + path);
        return !saveFails;
    }
    void ShutOutSnapshot(const char* path) override {
        log_.push_back(std::string("ShutOut ") + path);
    }
    bool deleteFails = false;
    void DeleteSnapshot(const char* path) override {
        log_.push_back(std::string("Delete ") + path);
        if (deleteFails) {
            throw std::runtime_error("delete");
        }
    }
    // Logged in code page 932, as the program's own names are written.
    void StartRenderer(const std::wstring& path) override {
        log_.push_back("Start " + ToCp932(path).value());
    }
    bool TimerEnabled(SessionTimer timer) override { return timers[timer]; }
    void SetTimerEnabled(SessionTimer timer, bool enabled) override {
        timers[timer] = enabled;
        log_.push_back(std::string(NameOf(timer)) + (enabled ? " on" : " off"));
    }
    void Unload() override {
        log_.push_back("Unload");
        session->Form_QueryUnload();
    }

  private:
    Log& log_;
};

class FakeProgram final : public ProgramServices {
  public:
    explicit FakeProgram(Log& log) : log_(log) {}
    bool rendererWindow = true;

    bool WindowExists(const char* title) override {
        log_.push_back(std::string("FindWindow ") + title);
        return rendererWindow;
    }
    std::int32_t ShowCursor(std::int32_t show) override {
        log_.push_back("ShowCursor " + std::to_string(show));
        return show != 0 ? 0 : -1;
    }
    [[noreturn]] void EndProgram() override {
        log_.push_back("EndProgram");
        throw ProgramEnded{};
    }

  private:
    Log& log_;
};

class FakeMusic final : public SessionMusic {
  public:
    explicit FakeMusic(Log& log) : log_(log) {}
    std::vector<bool> cdAnswers; // CdAvailable after each CdWatch, in order
    bool cdAvailable = false;

    void CdOpen() override { log_.push_back("CdOpen"); }
    void CdWatch() override {
        log_.push_back("CdWatch");
        if (!cdAnswers.empty()) {
            cdAvailable = cdAnswers.front();
            cdAnswers.erase(cdAnswers.begin());
        }
    }
    bool CdAvailable() override { return cdAvailable; }
    void CdStop() override { log_.push_back("CdStop"); }
    void Mp3Play() override { log_.push_back("Mp3Play"); }
    void Mp3Replay() override { log_.push_back("Mp3Replay"); }
    void Mp3Stop() override { log_.push_back("Mp3Stop"); }
    void WavPlay() override { log_.push_back("WavPlay"); }
    void WavStop() override { log_.push_back("WavStop"); }

  private:
    Log& log_;
};

// Started with /s: the entry hid the cursor (count -1) and worked out the renderer's path.
SessionStart StartedWithSlashS() {
    SessionStart start;
    start.rendererPath = L"C:\\Saver\\" + FromCp932(kRendererFileName);
    start.restoreCursor = true;
    start.cursorCount = -1;
    return start;
}

struct SessionRig {
    Log log;
    FakeSessionHost host{log};
    FakeProgram program{log};
    FakeMusic music{log};
    SessionStart start = StartedWithSlashS();
    BgmSettings& settings = start.settings;
    SaverSession session{host, program, music, start};
    SessionRig() { host.session = &session; }

    Log LoadLog() {
        session.Form_Load();
        Log loaded = log;
        log.clear();
        return loaded;
    }
    // The renderer's window has gone: the next watch tick ends the session.
    Log EndLog() {
        program.rendererWindow = false;
        EXPECT_THROW(session.Timer3_Timer(), ProgramEnded);
        return log;
    }
};

const std::string kStartRenderer = std::string("Start C:\\Saver\\") + kRendererFileName;
const std::string kFindRenderer = "FindWindow Lumovane_VC";

const std::string kDeleteSnapshot = "Delete C:\\v_olka\\Lumovane.bmp";

Log LoadSteps(std::initializer_list<std::string> music) {
    Log steps{"SizeToScreen", kDeleteSnapshot, "CaptureDesktop", "Save C:\\v_olka\\Lumovane.bmp",
              kStartRenderer};
    steps.insert(steps.end(), music);
    return steps;
}

Log EndSteps(std::initializer_list<std::string> middle) {
    Log steps{kFindRenderer, "Timer3 off", "Unload", kDeleteSnapshot};
    steps.insert(steps.end(), middle);
    steps.push_back("EndProgram");
    return steps;
}

TEST(SaverSession, NoMusicCapturesSavesStartsAndEndsWithTheCursorBack) {
    SessionRig rig;
    EXPECT_EQ(rig.LoadLog(), LoadSteps({}));
    EXPECT_EQ(rig.EndLog(), EndSteps({"ShowCursor -1"}));
    EXPECT_EQ(rig.session.CursorCount(), 0);
}

TEST(SaverSession, TheWatchDoesNothingWhileTheRendererWindowExists) {
    SessionRig rig;
    rig.LoadLog();
    rig.session.Timer3_Timer();
    rig.session.Timer3_Timer();
    EXPECT_EQ(rig.log, (Log{kFindRenderer, kFindRenderer}));
    EXPECT_TRUE(rig.host.timers[SessionTimer::RendererWatch]);
}

// The photo goes first at every end, before the music and the cursor: after a renderer that
// came and went, after one never seen (the other tests end so), and when the system unloads the
// form (log-off) while the renderer still runs.
TEST(SaverSession, TheSnapshotGoesFirstAtEveryEndWhateverBecameOfTheRenderer) {
    SessionRig seen;
    seen.LoadLog();
    seen.session.Timer3_Timer();
    seen.log.clear();
    EXPECT_EQ(seen.EndLog(), EndSteps({"ShowCursor -1"}));

    SessionRig running;
    running.settings.BgmKind = 1;
    running.LoadLog();
    running.session.Timer3_Timer();
    running.log.clear();
    EXPECT_THROW(running.session.Form_QueryUnload(), ProgramEnded);
    EXPECT_EQ(running.log,
              (Log{kDeleteSnapshot, "Timer2 off", "CdStop", "ShowCursor -1", "EndProgram"}));
}

// A photo left by a session killed outright must never reach the renderer: it goes before the
// capture, and whatever a failed capture or save could not take away is shut out.
TEST(SaverSession, NoEarlierPhotoOutlivesAFailedCaptureOrSave) {
    SessionRig noCapture;
    noCapture.host.captureFails = true;
    EXPECT_EQ(noCapture.LoadLog(), (Log{"SizeToScreen", kDeleteSnapshot, "CaptureDesktop",
                                        "ShutOut C:\\v_olka\\Lumovane.bmp", kStartRenderer}));

    SessionRig noSave;
    noSave.host.saveFails = true;
    noSave.host.deleteFails = true;
    EXPECT_EQ(noSave.LoadLog(), (Log{"SizeToScreen", kDeleteSnapshot, "CaptureDesktop",
                                     "Save C:\\v_olka\\Lumovane.bmp",
                                     "ShutOut C:\\v_olka\\Lumovane.bmp", kStartRenderer}));
}

TEST(SaverSession, ASnapshotThatCannotBeDeletedStillLetsTheEndRun) {
    SessionRig rig;
    rig.settings.BgmKind = 2;
    rig.settings.BgmFile = L"C:\\m\\a.mp3";
    rig.host.deleteFails = true;
    rig.LoadLog();
    EXPECT_EQ(rig.EndLog(), EndSteps({"Timer1 off", "Mp3Stop", "ShowCursor -1"}));
}

// Started with an empty command line: the entry left the cursor alone (entry_test.cpp).
TEST(SaverSession, AStartThatDidNotHideTheCursorLeavesTheCursorCountAlone) {
    SessionRig rig;
    rig.start.restoreCursor = false;
    rig.LoadLog();
    EXPECT_EQ(rig.EndLog(), EndSteps({}));
    EXPECT_EQ(rig.session.CursorCount(), -1);
}

TEST(SaverSession, Mp3PlaysWithTheRepeatTimerAndStopsAtTheEnd) {
    for (const wchar_t* file : {L"C:\\m\\a b.mp3", L"C:\\m\\A.MP3", L"C:\\m\\a.Mp3"}) {
        SessionRig rig;
        rig.settings.BgmKind = 2;
        rig.settings.BgmFile = file;
        EXPECT_EQ(rig.LoadLog(), LoadSteps({"Mp3Play", "Timer1 on"})) << file;
        rig.session.Timer1_Timer();
        EXPECT_EQ(rig.log, (Log{"Mp3Replay"}));
        rig.log.clear();
        EXPECT_EQ(rig.EndLog(), EndSteps({"Timer1 off", "Mp3Stop", "ShowCursor -1"})) << file;
    }
}

TEST(SaverSession, WavLoopsWithoutATimerAndStopsAtTheEnd) {
    for (const wchar_t* file : {L"C:\\m\\a.wav", L"C:\\m\\a.Wav", L"C:\\m\\a.WAV"}) {
        SessionRig rig;
        rig.settings.BgmKind = 2;
        rig.settings.BgmFile = file;
        EXPECT_EQ(rig.LoadLog(), LoadSteps({"WavPlay"})) << file;
        EXPECT_EQ(rig.EndLog(), EndSteps({"WavStop", "ShowCursor -1"})) << file;
    }
}

TEST(SaverSession, OtherFileEndingsPlayNothingAndStartNoTimer) {
    for (const wchar_t* file : {L"C:\\m\\a.wave", L"C:\\m\\a", L"C:\\m\\a.ogg", L""}) {
        SessionRig rig;
        rig.settings.BgmKind = 2;
        rig.settings.BgmFile = file;
        EXPECT_EQ(rig.LoadLog(), LoadSteps({})) << file;
        EXPECT_EQ(rig.EndLog(), EndSteps({"ShowCursor -1"})) << file;
    }
}

TEST(SaverSession, AFileKindOtherThanTwoPlaysNoFile) {
    for (const std::int16_t kind :
         {std::int16_t{0}, std::int16_t{3}, std::int16_t{-1}, std::int16_t{5}}) {
        SessionRig rig;
        rig.settings.BgmKind = kind;
        rig.settings.BgmFile = L"C:\\m\\a.mp3";
        EXPECT_EQ(rig.LoadLog(), LoadSteps({})) << kind;
        EXPECT_EQ(rig.EndLog(), EndSteps({"ShowCursor -1"})) << kind;
    }
}

TEST(SaverSession, CdWatchKeepsItsTimerWhileTheDiscAnswersAndStopsItAtTheEnd) {
    SessionRig rig;
    rig.settings.BgmKind = 1;
    EXPECT_EQ(rig.LoadLog(), LoadSteps({"CdOpen", "Timer2 on"}));
    rig.music.cdAnswers = {true, true};
    rig.session.Timer2_Timer();
    rig.session.Timer2_Timer();
    EXPECT_EQ(rig.log, (Log{"CdWatch", "Timer2 on", "CdWatch", "Timer2 on"}));
    rig.log.clear();
    EXPECT_EQ(rig.EndLog(), EndSteps({"Timer2 off", "CdStop", "ShowCursor -1"}));
}

TEST(SaverSession, ACdWatchThatFailsSwitchesItselfOffAndIsNotStoppedAtTheEnd) {
    SessionRig rig;
    rig.settings.BgmKind = 1;
    rig.settings.BgmFile = L"C:\\m\\a.wav"; // kind 1: a file is never played
    rig.LoadLog();
    rig.music.cdAnswers = {false};
    rig.session.Timer2_Timer();
    EXPECT_EQ(rig.log, (Log{"CdWatch", "Timer2 off"}));
    EXPECT_FALSE(rig.host.timers[SessionTimer::CdWatch]);
    rig.log.clear();
    EXPECT_EQ(rig.EndLog(), EndSteps({"ShowCursor -1"}));
}

TEST(SaverSession, AFailingLoadStepIsSkippedAndTheNextOneRuns) {
    class ThrowingHost final : public SessionHost {
      public:
        explicit ThrowingHost(Log& log) : log_(log) {}
        void SizeToScreen() override { throw std::runtime_error("size"); }
        bool CaptureDesktop() override { throw std::runtime_error("capture"); }
        bool SaveSnapshot(const char*) override { throw std::runtime_error("save"); }
        void DeleteSnapshot(const char*) override { throw std::runtime_error("delete"); }
        void ShutOutSnapshot(const char*) override { throw std::runtime_error("shut out"); }
        void StartRenderer(const std::wstring& path) override {
            log_.push_back("Start " + ToCp932(path).value());
        }
        bool TimerEnabled(SessionTimer) override { return false; }
        void SetTimerEnabled(SessionTimer t, bool) override { log_.push_back(NameOf(t)); }
        void Unload() override {}

      private:
        Log& log_;
    };
    Log log;
    ThrowingHost host(log);
    FakeProgram program(log);
    FakeMusic music(log);
    SessionStart start;
    start.rendererPath = L"D:\\" + FromCp932(kRendererFileName);
    start.settings.BgmKind = 2;
    start.settings.BgmFile = L"x.mp3";
    SaverSession session(host, program, music, start);
    session.Form_Load();
    EXPECT_EQ(log, (Log{std::string("Start D:\\") + kRendererFileName, "Mp3Play", "Timer1"}));
}

} // namespace
} // namespace lumo
