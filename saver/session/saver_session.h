#pragma once
// The saver session's steps, platform-free: what the session form does when it loads, on each
// timer tick and when it is unloaded. SessionHost is the form (session_form.h) or a fake in
// tests; the music is the player itself, which reaches the platform through its device.

#include "music_player.h"
#include "program_services.h"
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

// What the entry worked out for the session, handed over once when the form is loaded.
struct SessionStart {
    BgmSettings settings;
    std::wstring rendererPath;    // the program folder and the renderer's file name
    bool restoreCursor = false;   // started with /s: the entry hid the cursor
    std::int32_t cursorCount = 0; // what ShowCursor returned when the entry hid it
};

// The form's own part: its surface, its timers and its unload. What the session asks of the
// program beyond its form goes through ProgramServices.
class SessionHost {
  public:
    virtual ~SessionHost() = default;
    virtual void SizeToScreen() = 0;
    // Copies the desktop into the capture surface: desktop DC, BitBlt, refresh, release. True
    // when the surface holds the desktop.
    virtual bool CaptureDesktop() = 0;
    // True when the photo is in place whole.
    virtual bool SaveSnapshot(const char* path) = 0;
    // Removes the photo and the temporary file its save writes beside it.
    virtual void DeleteSnapshot(const char* path) = 0;
    // Keeps a photo that could be neither removed nor replaced from every other program (the
    // renderer included) until DeleteSnapshot.
    virtual void ShutOutSnapshot(const char* path) = 0;
    virtual void StartRenderer(const std::wstring& path) = 0;
    virtual bool TimerEnabled(SessionTimer timer) = 0;
    virtual void SetTimerEnabled(SessionTimer timer, bool enabled) = 0;
    virtual void Unload() = 0; // raises QueryUnload
};

class SaverSession {
  public:
    SaverSession(SessionHost& host, ProgramServices& program, MusicPlayer& music,
                 const SessionStart& start)
        : host_(host), program_(program), music_(music), start_(start),
          cursorCount_(start.cursorCount) {}

    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Form_QueryUnload(); // ends the program through the host

    // The cursor display count as the session last left it.
    std::int32_t CursorCount() const { return cursorCount_; }

  private:
    SessionHost& host_;
    ProgramServices& program_;
    MusicPlayer& music_;
    const SessionStart& start_;
    std::int32_t cursorCount_;
};

} // namespace lumo
