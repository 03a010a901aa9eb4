#pragma once
// The saver session's form, Lumovane_S: hidden, borderless, captioned "Lumovane_Main" so that
// further starts find it, with the capture surface Display and the three timers. Its events run
// the steps of SaverSession; this class is only their door to Windows.

#include "form.h"
#include "picture_box.h"
#include "saver_session.h"
#include "timer.h"
#include "win32_handles.h"

namespace lumo {

class Lumovane_S final : public Form, private SessionHost {
  public:
    Lumovane_S(ProgramServices& program, MusicPlayer& music, const SessionStart& start);

  private:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // SessionHost
    void SizeToScreen() override;
    bool CaptureDesktop() override;
    bool SaveSnapshot(const char* path) override;
    void DeleteSnapshot(const char* path) override;
    void ShutOutSnapshot(const char* path) override;
    void StartRenderer(const std::wstring& path) override;
    bool TimerEnabled(SessionTimer timer) override;
    void SetTimerEnabled(SessionTimer timer, bool enabled) override;
    void Unload() override;

    Timer& TimerOf(SessionTimer timer);

    PictureBox Display;
    Timer Timer1;               // MP3 repeat
    Timer Timer2;               // CD watch
    Timer Timer3;               // renderer watch
    win::KernelHandle shutOut_; // an old photo that no one may read during this session
    SaverSession session_;
};

} // namespace lumo
