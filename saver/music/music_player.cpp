#include "music_player.h"
#include "cp932.h"

#include <cstddef>
#include <limits>

namespace lumo {

namespace {

// Buffer sizes handed to MCI; they also bound the replies the player keeps.
constexpr std::size_t kCdModeSize = 255;
constexpr std::size_t kMp3ModeSize = 30;
constexpr std::size_t kCommandReplySize = 512;
constexpr std::size_t kErrorTextSize = 256;

// The program's texts are ANSI (code page 932) like everything else it hands around.
// "コマンド文字列が指定されていません"
constexpr char kNoCommandText[] = "\x83\x52\x83\x7D\x83\x93\x83\x68\x95\xB6\x8E\x9A\x97\xF1\x82"
                                  "\xAA\x8E\x77\x92\xE8\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xDC"
                                  "\x82\xB9\x82\xF1";
// "Error (文字列が取れません)"
constexpr char kNoErrorText[] =
    "Error (\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x8E\xE6\x82\xEA\x82\xDC\x82\xB9\x82\xF1)";

// A reply of the CD device that signals trouble: "ERR" in any letter case, looked for only in
// single-byte characters (a trail byte may look like a letter).
bool ContainsErr(std::string_view reply) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    std::size_t i = 0;
    while (i + 2 < reply.size()) {
        if (cp932::IsLeadByte(static_cast<unsigned char>(reply[i]))) {
            i += 2;
            continue;
        }
        if (upper(reply[i]) == 'E' && upper(reply[i + 1]) == 'R' && upper(reply[i + 2]) == 'R') {
            return true;
        }
        ++i;
    }
    return false;
}

} // namespace

MusicPlayer::MusicPlayer(MusicDevice& device, const BgmSettings& settings, std::int32_t& apiResult)
    : device_(device), settings_(settings), apiResult_(apiResult) {}

std::int32_t MusicPlayer::Send(const std::string& command) {
    std::string unused;
    apiResult_ = static_cast<std::int32_t>(device_.SendString(command, unused, 0));
    return apiResult_;
}

template <typename Body> void MusicPlayer::Swallow(Body&& body) noexcept {
    // No failure of the music may reach the user or the timer that called.
    try {
        body();
    } catch (...) {
    }
}

std::int32_t MusicPlayer::MciCommand(std::string_view command, std::string& text) {
    if (command.empty()) {
        text = kNoCommandText;
        return -1;
    }
    const auto code = static_cast<std::int32_t>(
        device_.SendString(std::string(command), commandReply_, kCommandReplySize));
    apiResult_ = code;
    if (code != 0) {
        if (device_.GetErrorString(static_cast<std::uint32_t>(code), errorText_, kErrorTextSize)) {
            text = errorText_;
        } else {
            text = kNoErrorText;
        }
        return code;
    }
    text = commandReply_;
    return 0;
}

std::string MusicPlayer::MciQuery(std::string_view command) {
    const std::int32_t code = MciCommand(command, lastReply_);
    apiResult_ = code;
    if (code != 0) {
        return "Error:" + std::to_string(code);
    }
    return lastReply_;
}

std::int32_t MusicPlayer::MciPlay(std::string_view device, std::string_view from,
                                  std::string_view to) {
    std::string command = "play ";
    command += device;
    if (!from.empty()) {
        command += " from ";
        command += from;
    }
    if (!to.empty()) {
        command += " to ";
        command += to;
    }
    return MciCommand(command, lastReply_);
}

void MusicPlayer::CdOpen() {
    Swallow([&] {
        Send("open cdaudio");
        Send("set cdaudio time format tmsf");
    });
}

void MusicPlayer::CdWatch() {
    cdAvailable_ = true;
    try {
        const std::string track = MciQuery("status cdaudio current track");
        if (ContainsErr(track)) {
            cdAvailable_ = false;
            return;
        }
        const std::string tracks = MciQuery("status cdaudio number of tracks");
        if (ContainsErr(tracks)) {
            cdAvailable_ = false;
            return;
        }
        apiResult_ = static_cast<std::int32_t>(
            device_.SendString("status cdaudio mode", cdModeReply_, kCdModeSize));
        const bool stopped = cdModeReply_.compare(0, 7, "stopped") == 0;

        const std::int16_t repeat = settings_.BgmRepeat;
        if (repeat != 0) {
            // The track is read as a number whether or not the disc is stopped, so a reply that
            // is no number ends the tick in every case.
            const auto current = ReadDecimal(track);
            if (!current || current->floor < std::numeric_limits<std::int16_t>::min() ||
                current->floor > std::numeric_limits<std::int16_t>::max()) {
                cdAvailable_ = false;
                return;
            }
            const bool otherTrack = current->fraction || current->floor != repeat;
            if (stopped || otherTrack) {
                const std::string position =
                    MciQuery("status cdaudio position track " + std::to_string(repeat));
                MciPlay("cdaudio", position, "");
            }
        } else if (stopped) {
            MciPlay("cdaudio", "", "");
        }
    } catch (...) {
        cdAvailable_ = false;
    }
}

void MusicPlayer::CdStop() {
    Swallow([&] {
        Send("stop cdaudio");
        Send("close cdaudio");
    });
}

void MusicPlayer::Mp3Play() {
    Swallow([&] {
        const std::string open = "open \"" + settings_.BgmFile + "\" type MPEGVideo Alias MP3Play";
        if (Send(open) == 0) {
            Send("play MP3Play");
        }
    });
}

bool MusicPlayer::Mp3IsPlaying() {
    bool playing = false;
    Swallow([&] {
        apiResult_ = static_cast<std::int32_t>(
            device_.SendString("status MP3Play mode", mp3ModeReply_, kMp3ModeSize));
        playing = mp3ModeReply_.compare(0, 7, "playing") == 0;
    });
    return playing;
}

void MusicPlayer::Mp3Replay() {
    if (Mp3IsPlaying()) {
        return;
    }
    Swallow([&] {
        Send("stop MP3Play");
        Send("play MP3Play from 0");
    });
}

void MusicPlayer::Mp3Stop() {
    Swallow([&] {
        Send("stop MP3Play");
        Send("close MP3Play");
    });
}

void MusicPlayer::WavPlay() {
    Swallow([&] {
        if (device_.WaveOutDeviceCount() == 0) {
            return;
        }
        constexpr std::uint32_t kAsyncLoop = 0x0001 | 0x0008; // SND_ASYNC | SND_LOOP
        apiResult_ = device_.PlaySound(settings_.BgmFile.c_str(), kAsyncLoop);
    });
}

void MusicPlayer::WavStop() {
    Swallow([&] { apiResult_ = device_.PlaySound(nullptr, 0); });
}

} // namespace lumo
