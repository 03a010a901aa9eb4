#pragma once
// Background music of a saver session: the audio CD with its track watch, an MP3 file kept
// looping by a one-second check, or a WAV file looped by the platform. Platform-free: it talks
// to the system only through MusicDevice.

#include "music_device.h"
#include "settings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace lumo {

class MusicPlayer {
  public:
    // The player reads BgmFile and BgmRepeat from `settings` at each call and stores call
    // results in `apiResult`.
    MusicPlayer(MusicDevice& device, const BgmSettings& settings, std::int32_t& apiResult);

    void CdOpen();
    void CdWatch(); // one 200 ms tick; sets CdAvailable()
    void CdStop();
    void Mp3Play();
    bool Mp3IsPlaying();
    void Mp3Replay(); // one 1000 ms tick
    void Mp3Stop();
    void WavPlay();
    void WavStop();

    std::int32_t MciCommand(std::wstring_view command, std::wstring& text);
    std::wstring MciQuery(std::wstring_view command);
    std::int32_t MciPlay(std::wstring_view device, std::wstring_view from, std::wstring_view to);

    bool CdAvailable() const { return cdAvailable_; }

  private:
    // A plain send: no reply asked for; the result goes to the shared result variable.
    std::int32_t Send(const std::wstring& command);

    MusicDevice& device_;
    const BgmSettings& settings_;
    std::int32_t& apiResult_;
    bool cdAvailable_ = false;
    // Reply buffers live as long as the player: a failed query leaves the previous text.
    std::wstring cdModeReply_;  // 255 chars
    std::wstring mp3ModeReply_; // 30 chars
    std::wstring commandReply_; // 512 chars
    std::wstring errorText_;    // 256 chars
    std::wstring lastReply_;
};

} // namespace lumo
