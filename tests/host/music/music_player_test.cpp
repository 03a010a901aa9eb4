#include "fake_music_device.h"
#include "music_player.h"
#include "wide_text.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace lumo {
namespace {

using test::Answer;
using test::FakeMusicDevice;
using test::PlayCall;
using test::SentCommand;
using Commands = std::vector<std::string>;

constexpr char kTrack[] = "status cdaudio current track";
constexpr char kTracks[] = "status cdaudio number of tracks";
constexpr char kMode[] = "status cdaudio mode";

// "コマンド文字列が指定されていません" and "Error (文字列が取れません)" in code page 932.
const std::string kNoCommandText = "\x83\x52\x83\x7D\x83\x93\x83\x68\x95\xB6\x8E\x9A\x97\xF1\x82"
                                   "\xAA\x8E\x77\x92\xE8\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xDC"
                                   "\x82\xB9\x82\xF1";
const std::string kNoErrorText =
    "Error (\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x8E\xE6\x82\xEA\x82\xDC\x82\xB9\x82\xF1)";

class MusicPlayerTest : public ::testing::Test {
  protected:
    FakeMusicDevice device;
    BgmSettings settings;
    std::int32_t apiResult = 12345;
    MusicPlayer player{device, settings, apiResult};

    // A disc of ten tracks, now at `track`, in `mode`; track n starts at n:00:00:00... in tmsf.
    void Disc(const std::string& track, const std::string& mode) {
        device.answers[kTrack] = {0, track};
        device.answers[kTracks] = {0, "10"};
        device.answers[kMode] = {0, mode};
        for (int n = 1; n <= 10; ++n) {
            device.answers["status cdaudio position track " + std::to_string(n)] = {
                0, (n < 10 ? "0" : "") + std::to_string(n) + ":00:00:00"};
        }
    }
    Commands Tick() {
        device.sent.clear();
        player.CdWatch();
        return device.Commands();
    }
};

// ---- CD ----

TEST_F(MusicPlayerTest, CdOpenAndStopSendPlainCommands) {
    player.CdOpen();
    player.CdStop();
    EXPECT_EQ(device.sent, (std::vector<SentCommand>{{"open cdaudio", 0},
                                                     {"set cdaudio time format tmsf", 0},
                                                     {"stop cdaudio", 0},
                                                     {"close cdaudio", 0}}));
    EXPECT_EQ(apiResult, 0);
}

TEST_F(MusicPlayerTest, CdWatchQueriesWithTheRightBufferSizes) {
    Disc("1", "playing");
    player.CdWatch();
    EXPECT_EQ(device.sent, (std::vector<SentCommand>{{kTrack, 512}, {kTracks, 512}, {kMode, 255}}));
    EXPECT_TRUE(player.CdAvailable());
}

TEST_F(MusicPlayerTest, RepeatTrackThreeOnATenTrackDisc) {
    settings.BgmRepeat = 3;
    Disc("1", "stopped");
    EXPECT_EQ(Tick(), (Commands{kTrack, kTracks, kMode, "status cdaudio position track 3",
                                "play cdaudio from 03:00:00:00"}));
    EXPECT_TRUE(player.CdAvailable());

    Disc("3", "playing");
    EXPECT_EQ(Tick(), (Commands{kTrack, kTracks, kMode}));

    Disc("4", "playing"); // track 3 ran out into track 4: back to the start of 3
    EXPECT_EQ(Tick(), (Commands{kTrack, kTracks, kMode, "status cdaudio position track 3",
                                "play cdaudio from 03:00:00:00"}));
    EXPECT_TRUE(player.CdAvailable());
}

TEST_F(MusicPlayerTest, RepeatComparesTheTrackNumerically) {
    settings.BgmRepeat = 3;
    for (const char* same : {"3", "03", " 3 ", "3.0", "+3"}) {
        Disc(same, "playing");
        EXPECT_EQ(Tick().size(), 3u) << same;
        EXPECT_TRUE(player.CdAvailable()) << same;
    }
    for (const char* other : {"2", "4", "3.5", "-3", "13"}) {
        Disc(other, "playing");
        EXPECT_EQ(Tick().size(), 5u) << other;
        EXPECT_TRUE(player.CdAvailable()) << other;
    }
}

TEST_F(MusicPlayerTest, RepeatBeyondTheLastTrackKeepsTrying) {
    settings.BgmRepeat = 12;
    Disc("1", "stopped");
    device.answers["status cdaudio position track 12"] = {275, std::nullopt};
    device.answers["play cdaudio from Error:275"] = {274, std::nullopt};
    for (int tick = 0; tick < 2; ++tick) {
        EXPECT_EQ(Tick(), (Commands{kTrack, kTracks, kMode, "status cdaudio position track 12",
                                    "play cdaudio from Error:275"}));
        EXPECT_TRUE(player.CdAvailable());
    }
    EXPECT_EQ(apiResult, 274);
}

TEST_F(MusicPlayerTest, NonNumericCurrentTrackEndsTheTickWhenRepeating) {
    settings.BgmRepeat = 3;
    for (const char* bad : {"", "three", "1e999999999999", "40000", "nan", "3:00"}) {
        Disc(bad, "stopped");
        EXPECT_EQ(Tick(), (Commands{kTrack, kTracks, kMode})) << bad;
        EXPECT_FALSE(player.CdAvailable()) << bad;
    }
}

TEST_F(MusicPlayerTest, WithoutRepeatTheTrackIsNotReadAsANumber) {
    Disc("three", "stopped");
    EXPECT_EQ(Tick(), (Commands{kTrack, kTracks, kMode, "play cdaudio"}));
    EXPECT_TRUE(player.CdAvailable());
}

TEST_F(MusicPlayerTest, WithoutRepeatOnlyAStoppedDiscIsStarted) {
    Disc("2", "playing");
    EXPECT_EQ(Tick(), (Commands{kTrack, kTracks, kMode}));
    Disc("2", "paused");
    EXPECT_EQ(Tick(), (Commands{kTrack, kTracks, kMode}));
    Disc("2", "Stopped"); // the comparison is case-sensitive
    EXPECT_EQ(Tick(), (Commands{kTrack, kTracks, kMode}));
    Disc("2", "stop");
    EXPECT_EQ(Tick(), (Commands{kTrack, kTracks, kMode}));
    Disc("2", "stoppedXYZ"); // only the first seven characters count
    EXPECT_EQ(Tick(), (Commands{kTrack, kTracks, kMode, "play cdaudio"}));
    EXPECT_TRUE(player.CdAvailable());
}

TEST_F(MusicPlayerTest, ErrInAnyCaseAnywhereEndsTheTick) {
    for (const char* reply : {"ERR", "error", "an eRr here", "xxErR"}) {
        Disc(reply, "stopped");
        EXPECT_EQ(Tick(), (Commands{kTrack})) << reply;
        EXPECT_FALSE(player.CdAvailable()) << reply;

        Disc("1", "stopped");
        device.answers[kTracks] = {0, reply};
        EXPECT_EQ(Tick(), (Commands{kTrack, kTracks})) << reply;
        EXPECT_FALSE(player.CdAvailable()) << reply;
    }
    // "ER R" and "ER" are no match; nor is a letter outside ASCII that resembles an E.
    Disc("ER R", "playing");
    Tick();
    EXPECT_TRUE(player.CdAvailable());
    Disc("\xC9RR", "playing"); // U+00C9
    device.answers[kTracks] = {0, "10"};
    Tick();
    EXPECT_TRUE(player.CdAvailable());
}

TEST_F(MusicPlayerTest, NoDriveEndsTheFirstTick) {
    device.answers[kTrack] = {266, std::nullopt}; // MCI error: the query returns "Error:266"
    EXPECT_EQ(Tick(), (Commands{kTrack}));
    EXPECT_FALSE(player.CdAvailable());
    EXPECT_EQ(apiResult, 266);
}

TEST_F(MusicPlayerTest, ModeBufferKeepsItsTextWhenTheQueryWritesNothing) {
    Disc("1", "stopped");
    Tick();
    device.answers[kMode] = {263, std::nullopt};
    EXPECT_EQ(Tick(), (Commands{kTrack, kTracks, kMode, "play cdaudio"}));
}

TEST_F(MusicPlayerTest, ADeviceThatThrowsEndsTheTickWithoutEscaping) {
    struct ThrowingDevice : FakeMusicDevice {
        std::uint32_t SendString(const std::wstring&, std::wstring&, std::size_t) override {
            throw std::runtime_error("device gone");
        }
    } throwing;
    MusicPlayer p(throwing, settings, apiResult);
    EXPECT_NO_THROW(p.CdWatch());
    EXPECT_FALSE(p.CdAvailable());
    EXPECT_NO_THROW(p.CdOpen());
    EXPECT_NO_THROW(p.Mp3Play());
    EXPECT_NO_THROW(p.Mp3Replay());
    EXPECT_FALSE(p.Mp3IsPlaying());
}

// ---- MCI helpers ----

TEST_F(MusicPlayerTest, EmptyCommandReturnsMinusOneWithoutCallingTheDevice) {
    std::wstring text = L"old";
    EXPECT_EQ(player.MciCommand(L"", text), -1);
    EXPECT_EQ(text, FromCp932(kNoCommandText));
    EXPECT_EQ(player.MciQuery(L""), L"Error:-1");
    EXPECT_TRUE(device.sent.empty());
    EXPECT_TRUE(device.errorQueries.empty());
}

TEST_F(MusicPlayerTest, MciCommandReturnsReplyOrErrorText) {
    device.answers["status cdaudio media present"] = {0, "true"};
    device.answers["open nothing"] = {263, std::nullopt};
    device.answers["open other"] = {277, std::nullopt};
    device.errorTexts[263] = "The device is not open.";
    std::wstring text;

    EXPECT_EQ(player.MciCommand(L"status cdaudio media present", text), 0);
    EXPECT_EQ(text, L"true");
    EXPECT_EQ(apiResult, 0);

    EXPECT_EQ(player.MciCommand(L"open nothing", text), 263);
    EXPECT_EQ(text, L"The device is not open.");
    EXPECT_EQ(apiResult, 263);

    EXPECT_EQ(player.MciCommand(L"open other", text), 277); // no text for 277
    EXPECT_EQ(text, FromCp932(kNoErrorText));
    EXPECT_EQ(device.errorQueries, (std::vector<std::uint32_t>{263, 277}));
}

TEST_F(MusicPlayerTest, MciCommandReplyBufferKeepsItsTextWhenNothingIsWritten) {
    device.answers["first"] = {0, "reply one"};
    device.answers["second"] = {0, std::nullopt};
    std::wstring text;
    player.MciCommand(L"first", text);
    text.clear();
    EXPECT_EQ(player.MciCommand(L"second", text), 0);
    EXPECT_EQ(text, L"reply one");
}

TEST_F(MusicPlayerTest, MciQueryDropsTheErrorTextForTheCode) {
    device.answers["status x"] = {0, "42"};
    device.answers["status y"] = {266, std::nullopt};
    device.errorTexts[266] = "Cannot open";
    EXPECT_EQ(player.MciQuery(L"status x"), L"42");
    EXPECT_EQ(player.MciQuery(L"status y"), L"Error:266");
    EXPECT_EQ(apiResult, 266);
}

TEST_F(MusicPlayerTest, MciPlayBuildsItsCommand) {
    device.answers["play cdaudio from 1 to 2"] = {5, std::nullopt};
    EXPECT_EQ(player.MciPlay(L"cdaudio", L"", L""), 0);
    player.MciPlay(L"cdaudio", L"01:00:00:00", L"");
    player.MciPlay(L"cdaudio", L"", L"2");
    EXPECT_EQ(player.MciPlay(L"cdaudio", L"1", L"2"), 5);
    EXPECT_EQ(device.Commands(), (Commands{"play cdaudio", "play cdaudio from 01:00:00:00",
                                           "play cdaudio to 2", "play cdaudio from 1 to 2"}));
}

// ---- MP3 ----

TEST_F(MusicPlayerTest, Mp3PlayQuotesAPathWithBlanksAndPlaysAfterAGoodOpen) {
    settings.BgmFile = L"C:\\My Music\\a song.mp3";
    player.Mp3Play();
    EXPECT_EQ(device.sent,
              (std::vector<SentCommand>{
                  {"open \"C:\\My Music\\a song.mp3\" type MPEGVideo Alias MP3Play", 0},
                  {"play MP3Play", 0}}));
}

TEST_F(MusicPlayerTest, Mp3PlayDoesNotPlayWhenOpenFails) {
    settings.BgmFile = L"C:\\gone.mp3";
    device.answers["open \"C:\\gone.mp3\" type MPEGVideo Alias MP3Play"] = {277, std::nullopt};
    player.Mp3Play();
    EXPECT_EQ(device.Commands(), (Commands{"open \"C:\\gone.mp3\" type MPEGVideo Alias MP3Play"}));
    EXPECT_EQ(apiResult, 277);
}

TEST_F(MusicPlayerTest, Mp3IsPlayingLooksAtTheFirstSevenCharacters) {
    const std::string query = "status MP3Play mode";
    for (const auto& [reply, playing] :
         std::vector<std::pair<std::string, bool>>{{"playing", true},
                                                   {"playing more", true},
                                                   {"paused", false},
                                                   {"stopped", false},
                                                   {"Playing", false},
                                                   {"", false}}) {
        device.answers[query] = {0, reply};
        EXPECT_EQ(player.Mp3IsPlaying(), playing) << reply;
    }
    EXPECT_EQ(device.sent.back(), (SentCommand{query, 30}));
}

TEST_F(MusicPlayerTest, Mp3ModeBufferKeepsItsTextWhenTheQueryFails) {
    device.answers["status MP3Play mode"] = {0, "playing"};
    EXPECT_TRUE(player.Mp3IsPlaying());
    device.answers["status MP3Play mode"] = {263, std::nullopt};
    EXPECT_TRUE(player.Mp3IsPlaying());
}

TEST_F(MusicPlayerTest, Mp3ReplayRestartsAPausedOrEndedFileFromZero) {
    device.answers["status MP3Play mode"] = {0, "playing"};
    player.Mp3Replay();
    EXPECT_EQ(device.Commands(), (Commands{"status MP3Play mode"}));

    for (const char* mode : {"paused", "stopped"}) {
        device.sent.clear();
        device.answers["status MP3Play mode"] = {0, mode};
        player.Mp3Replay();
        EXPECT_EQ(device.sent, (std::vector<SentCommand>{{"status MP3Play mode", 30},
                                                         {"stop MP3Play", 0},
                                                         {"play MP3Play from 0", 0}}))
            << mode;
    }
}

TEST_F(MusicPlayerTest, Mp3StopStopsAndCloses) {
    player.Mp3Stop();
    EXPECT_EQ(device.sent, (std::vector<SentCommand>{{"stop MP3Play", 0}, {"close MP3Play", 0}}));
}

// ---- WAV ----

TEST_F(MusicPlayerTest, WavPlayLoopsAsynchronouslyWhenThereIsAWaveDevice) {
    settings.BgmFile = L"C:\\a b\\x.wav";
    device.playResult = 1;
    player.WavPlay();
    EXPECT_EQ(device.played, (std::vector<PlayCall>{{"C:\\a b\\x.wav", 9u}}));
    EXPECT_EQ(apiResult, 1);
    player.WavStop();
    EXPECT_EQ(device.played.back(), (PlayCall{std::nullopt, 0u}));
    EXPECT_TRUE(device.sent.empty());
}

TEST_F(MusicPlayerTest, WavPlayDoesNothingWithoutAWaveDevice) {
    device.waveDevices = 0;
    settings.BgmFile = L"C:\\x.wav";
    player.WavPlay();
    EXPECT_TRUE(device.played.empty());
    EXPECT_EQ(apiResult, 12345);
}

} // namespace
} // namespace lumo
