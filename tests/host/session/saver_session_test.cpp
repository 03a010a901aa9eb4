#include "fake_music_device.h"
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

// The music device as the player's tests fake it, each command and sound also written to the
// one log. Unscripted, every command succeeds with an empty reply: a disc that answers, an MP3
// that has ended.
class LoggedMusicDevice final : public test::FakeMusicDevice {
  public:
    explicit LoggedMusicDevice(Log& log) : log_(log) {}

    std::uint32_t SendString(const std::wstring& command, std::wstring& reply,
                             std::size_t capacity) override {
        log_.push_back(test::Narrow(command));
        return FakeMusicDevice::SendString(command, reply, capacity);
    }
    std::int32_t PlaySound(const wchar_t* file, std::uint32_t flags) override {
        log_.push_back(file != nullptr ? "PlaySound " + test::Narrow(file) : "PlaySound off");
        return FakeMusicDevice::PlaySound(file, flags);
    }

  private:
    Log& log_;
};

Log operator+(Log first, const Log& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

// The player's steps as the device sees them (their texts are the player's tests' concern).
const Log kCdOpen{"open cdaudio", "set cdaudio time format tmsf"};
const Log kCdWatch{"status cdaudio current track", "status cdaudio number of tracks",
                   "status cdaudio mode"};
const Log kCdStop{"stop cdaudio", "close cdaudio"};
Log Mp3Play(const std::wstring& file) {
    return {"open \"" + test::Narrow(file) + "\" type MPEGVideo Alias MP3Play", "play MP3Play"};
}
const Log kMp3Replay{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"};
const Log kMp3Stop{"stop MP3Play", "close MP3Play"};
Log WavPlay(const std::wstring& file) {
    return {"PlaySound " + test::Narrow(file)};
}
const Log kWavStop{"PlaySound off"};

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
    LoggedMusicDevice device{log};
    SessionStart start = StartedWithSlashS();
    BgmSettings& settings = start.settings;
    std::int32_t apiResult = 0;
    MusicPlayer music{device, settings, apiResult};
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

Log LoadSteps(const Log& music) {
    return Log{"SizeToScreen", kDeleteSnapshot, "CaptureDesktop", "Save C:\\v_olka\\Lumovane.bmp",
               kStartRenderer} +
           music;
}

Log EndSteps(const Log& middle) {
    return Log{kFindRenderer, "Timer3 off", "Unload", kDeleteSnapshot} + middle + Log{"EndProgram"};
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
              (Log{kDeleteSnapshot, "Timer2 off"} + kCdStop + Log{"ShowCursor -1", "EndProgram"}));
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
    EXPECT_EQ(rig.EndLog(), EndSteps(Log{"Timer1 off"} + kMp3Stop + Log{"ShowCursor -1"}));
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
        EXPECT_EQ(rig.LoadLog(), LoadSteps(Mp3Play(file) + Log{"Timer1 on"})) << file;
        rig.session.Timer1_Timer();
        EXPECT_EQ(rig.log, kMp3Replay);
        rig.log.clear();
        EXPECT_EQ(rig.EndLog(), EndSteps(Log{"Timer1 off"} + kMp3Stop + Log{"ShowCursor -1"}))
            << file;
    }
}

TEST(SaverSession, WavLoopsWithoutATimerAndStopsAtTheEnd) {
    for (const wchar_t* file : {L"C:\\m\\a.wav", L"C:\\m\\a.Wav", L"C:\\m\\a.WAV"}) {
        SessionRig rig;
        rig.settings.BgmKind = 2;
        rig.settings.BgmFile = file;
        EXPECT_EQ(rig.LoadLog(), LoadSteps(WavPlay(file))) << file;
        EXPECT_EQ(rig.EndLog(), EndSteps(kWavStop + Log{"ShowCursor -1"})) << file;
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
    EXPECT_EQ(rig.LoadLog(), LoadSteps(kCdOpen + Log{"Timer2 on"}));
    rig.session.Timer2_Timer();
    rig.session.Timer2_Timer();
    EXPECT_EQ(rig.log, kCdWatch + Log{"Timer2 on"} + kCdWatch + Log{"Timer2 on"});
    rig.log.clear();
    EXPECT_EQ(rig.EndLog(), EndSteps(Log{"Timer2 off"} + kCdStop + Log{"ShowCursor -1"}));
}

TEST(SaverSession, ACdWatchThatFailsSwitchesItselfOffAndIsNotStoppedAtTheEnd) {
    SessionRig rig;
    rig.settings.BgmKind = 1;
    rig.settings.BgmFile = L"C:\\m\\a.wav"; // kind 1: a file is never played
    rig.LoadLog();
    rig.device.answers[kCdWatch.front()] = {266, std::nullopt}; // no drive
    rig.session.Timer2_Timer();
    EXPECT_EQ(rig.log, (Log{kCdWatch.front(), "Timer2 off"}));
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
    LoggedMusicDevice device(log);
    SessionStart start;
    start.rendererPath = L"D:\\" + FromCp932(kRendererFileName);
    start.settings.BgmKind = 2;
    start.settings.BgmFile = L"x.mp3";
    std::int32_t apiResult = 0;
    MusicPlayer music(device, start.settings, apiResult);
    SaverSession session(host, program, music, start);
    session.Form_Load();
    EXPECT_EQ(log, Log{std::string("Start D:\\") + kRendererFileName} + Mp3Play(L"x.mp3") +
                       Log{"Timer1"});
}

} // namespace
} // namespace lumo
