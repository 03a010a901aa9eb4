#include "music_player.h"

#include "ascii_text.h"
#include "skip_on_error.h"
#include "wide_text.h"

#include <cstddef>
#include <limits>

namespace lumo {

namespace {

// Buffer sizes handed to MCI; they also bound the replies the player keeps.
constexpr std::size_t kCdModeSize = 255;
constexpr std::size_t kMp3ModeSize = 30;
constexpr std::size_t kCommandReplySize = 512;
constexpr std::size_t kErrorTextSize = 256;

// The program's own texts are code page 932; they become UTF-16 where they are used.
// "コマンド文字列が指定されていません"
constexpr char kNoCommandText[] = "\x83\x52\x83\x7D\x83\x93\x83\x68\x95\xB6\x8E\x9A\x97\xF1\x82"
                                  "\xAA\x8E\x77\x92\xE8\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xDC"
                                  "\x82\xB9\x82\xF1";
// "Error (文字列が取れません)"
constexpr char kNoErrorText[] =
    "Error (\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x8E\xE6\x82\xEA\x82\xDC\x82\xB9\x82\xF1)";

// A reply of the CD device that signals trouble: "ERR" in any letter case.
bool ContainsErr(std::wstring_view reply) {
    return text::UpperAscii(reply).find(L"ERR") != std::wstring::npos;
}

} // namespace

MusicPlayer::MusicPlayer(MusicDevice& device, const BgmSettings& settings, std::int32_t& apiResult)
    : device_(device), settings_(settings), apiResult_(apiResult) {}

std::int32_t MusicPlayer::Send(const std::wstring& command) {
    std::wstring unused;
    apiResult_ = static_cast<std::int32_t>(device_.SendString(command, unused, 0));
    return apiResult_;
}

std::int32_t MusicPlayer::MciCommand(std::wstring_view command, std::wstring& text) {
    if (command.empty()) {
        text = FromCp932(kNoCommandText);
        return -1;
    }
    const auto code = static_cast<std::int32_t>(
        device_.SendString(std::wstring(command), commandReply_, kCommandReplySize));
    apiResult_ = code;
    if (code != 0) {
        if (device_.GetErrorString(static_cast<std::uint32_t>(code), errorText_, kErrorTextSize)) {
            text = errorText_;
        } else {
            text = FromCp932(kNoErrorText);
        }
        return code;
    }
    text = commandReply_;
    return 0;
}

std::wstring MusicPlayer::MciQuery(std::wstring_view command) {
    const std::int32_t code = MciCommand(command, lastReply_);
    apiResult_ = code;
    if (code != 0) {
        return L"Error:" + std::to_wstring(code);
    }
    return lastReply_;
}

std::int32_t MusicPlayer::MciPlay(std::wstring_view device, std::wstring_view from,
                                  std::wstring_view to) {
    std::wstring command = L"play ";
    command += device;
    if (!from.empty()) {
        command += L" from ";
        command += from;
    }
    if (!to.empty()) {
        command += L" to ";
        command += to;
    }
    return MciCommand(command, lastReply_);
}

void MusicPlayer::CdOpen() {
    SkipOnError([&] {
        Send(L"open cdaudio");
        Send(L"set cdaudio time format tmsf");
    });
}

void MusicPlayer::CdWatch() {
    cdAvailable_ = true;
    try {
        const std::wstring track = MciQuery(L"status cdaudio current track");
        if (ContainsErr(track)) {
            cdAvailable_ = false;
            return;
        }
        const std::wstring tracks = MciQuery(L"status cdaudio number of tracks");
        if (ContainsErr(tracks)) {
            cdAvailable_ = false;
            return;
        }
        apiResult_ = static_cast<std::int32_t>(
            device_.SendString(L"status cdaudio mode", cdModeReply_, kCdModeSize));
        const bool stopped = cdModeReply_.compare(0, 7, L"stopped") == 0;

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
                const std::wstring position =
                    MciQuery(L"status cdaudio position track " + std::to_wstring(repeat));
                MciPlay(L"cdaudio", position, L"");
            }
        } else if (stopped) {
            MciPlay(L"cdaudio", L"", L"");
        }
    } catch (...) {
        cdAvailable_ = false;
    }
}

void MusicPlayer::CdStop() {
    SkipOnError([&] {
        Send(L"stop cdaudio");
        Send(L"close cdaudio");
    });
}

void MusicPlayer::Mp3Play() {
    SkipOnError([&] {
        const std::wstring open =
            L"open \"" + settings_.BgmFile + L"\" type MPEGVideo Alias MP3Play";
        if (Send(open) == 0) {
            Send(L"play MP3Play");
        }
    });
}

bool MusicPlayer::Mp3IsPlaying() {
    bool playing = false;
    SkipOnError([&] {
        apiResult_ = static_cast<std::int32_t>(
            device_.SendString(L"status MP3Play mode", mp3ModeReply_, kMp3ModeSize));
        playing = mp3ModeReply_.compare(0, 7, L"playing") == 0;
    });
    return playing;
}

void MusicPlayer::Mp3Replay() {
    if (Mp3IsPlaying()) {
        return;
    }
    SkipOnError([&] {
        Send(L"stop MP3Play");
        Send(L"play MP3Play from 0");
    });
}

void MusicPlayer::Mp3Stop() {
    SkipOnError([&] {
        Send(L"stop MP3Play");
        Send(L"close MP3Play");
    });
}

void MusicPlayer::WavPlay() {
    SkipOnError([&] {
        if (device_.WaveOutDeviceCount() == 0) {
            return;
        }
        constexpr std::uint32_t kAsyncLoop = 0x0001 | 0x0008; // SND_ASYNC | SND_LOOP
        apiResult_ = device_.PlaySound(settings_.BgmFile.c_str(), kAsyncLoop);
    });
}

void MusicPlayer::WavStop() {
    SkipOnError([&] { apiResult_ = device_.PlaySound(nullptr, 0); });
}

} // namespace lumo
