#pragma once
// The saver session's steps, platform-free: what the session form does when it loads, on each
// timer tick and when it is unloaded. SessionHost is the form (session_form.h) or a fake in
// tests; SessionMusic is the music player seen through the eight operations the session uses.

#include "settings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace lumo {

// The music file's kind: its last three characters, upper-cased.
enum class MusicFileKind { None, Wav, Mp3 };
MusicFileKind MusicFileKindOf(std::wstring_view bgmFile);

enum class SessionTimer {
    Mp3Repeat,     // Timer1, 1000 ms
    CdWatch,       // Timer2, 200 ms
    RendererWatch, // Timer3, 500 ms
};

class SessionHost {
  public:
    virtual ~SessionHost() = default;
    virtual void SizeToScreen() = 0;
    // Copies the desktop into the capture surface: desktop DC, BitBlt, refresh, release.
    virtual void CaptureDesktop() = 0;
    virtual void SaveSnapshot(const char* path) = 0;
    virtual void DeleteSnapshot(const char* path) = 0;
    virtual std::wstring ProgramFolder() = 0;
    virtual void StartProgram(const std::wstring& path) = 0;
    virtual bool WindowExists(const char* title) = 0;
    virtual bool TimerEnabled(SessionTimer timer) = 0;
    virtual void SetTimerEnabled(SessionTimer timer, bool enabled) = 0;
    virtual std::string Arguments() = 0;
    virtual std::int32_t ShowCursor(std::int32_t show) = 0; // any non-zero value shows
    virtual void Unload() = 0;                              // raises QueryUnload
    [[noreturn]] virtual void EndProgram() = 0;
};

class SessionMusic {
  public:
    virtual ~SessionMusic() = default;
    virtual void CdOpen() = 0;
    virtual void CdWatch() = 0;
    virtual bool CdAvailable() = 0;
    virtual void CdStop() = 0;
    virtual void Mp3Play() = 0;
    virtual void Mp3Replay() = 0;
    virtual void Mp3Stop() = 0;
    virtual void WavPlay() = 0;
    virtual void WavStop() = 0;
};

class SaverSession {
  public:
    SaverSession(SessionHost& host, SessionMusic& music, const BgmSettings& settings)
        : host_(host), music_(music), settings_(settings) {}

    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Form_QueryUnload(); // ends the program through the host

    const std::wstring& RendererPath() const { return rendererPath_; }

  private:
    SessionHost& host_;
    SessionMusic& music_;
    const BgmSettings& settings_;
    std::wstring rendererPath_;
    bool rendererSeen_ = false;
};

} // namespace lumo
