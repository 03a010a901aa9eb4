#include "saver_session.h"

#include "ascii_text.h"
#include "program_contract.h"
#include "skip_on_error.h"

namespace lumo {

MusicFileKind MusicFileKindOf(std::wstring_view bgmFile) {
    const std::wstring ending =
        text::UpperAscii(bgmFile.substr(bgmFile.size() < 3 ? 0 : bgmFile.size() - 3));
    if (ending == L"WAV") {
        return MusicFileKind::Wav;
    }
    if (ending == L"MP3") {
        return MusicFileKind::Mp3;
    }
    return MusicFileKind::None;
}

void SaverSession::Form_Load() {
    SkipOnError([&] { host_.SizeToScreen(); });
    // A session ended by force (its process killed) left its photo behind. Gone before the new
    // one is taken, so that a capture or a save that fails leaves no photo at all: the renderer
    // then shows plain stars, never an earlier desktop.
    SkipOnError([&] { host_.DeleteSnapshot(SnapshotPath); });
    bool captured = false;
    SkipOnError([&] { captured = host_.CaptureDesktop(); });
    // The renderer reads this file once at its start, so it must be whole before it runs.
    bool saved = false;
    if (captured) {
        SkipOnError([&] { saved = host_.SaveSnapshot(SnapshotPath); });
    }
    if (!saved) {
        SkipOnError([&] { host_.ShutOutSnapshot(SnapshotPath); });
    }
    SkipOnError([&] { host_.StartRenderer(start_.rendererPath); });

    switch (start_.settings.BgmKind) {
    case kBgmKindCd:
        SkipOnError([&] { music_.CdOpen(); });
        SkipOnError([&] { host_.SetTimerEnabled(SessionTimer::CdWatch, true); });
        break;
    case kBgmKindFile: {
        const auto kind = MusicFileKindOf(start_.settings.BgmFile);
        if (kind == MusicFileKind::Wav) {
            SkipOnError([&] { music_.WavPlay(); });
        }
        if (kind == MusicFileKind::Mp3) {
            SkipOnError([&] { music_.Mp3Play(); });
            SkipOnError([&] { host_.SetTimerEnabled(SessionTimer::Mp3Repeat, true); });
        }
        break;
    }
    default:
        break;
    }
}

void SaverSession::Timer1_Timer() {
    music_.Mp3Replay();
}

void SaverSession::Timer2_Timer() {
    music_.CdWatch();
    host_.SetTimerEnabled(SessionTimer::CdWatch, music_.CdAvailable());
}

void SaverSession::Timer3_Timer() {
    if (program_.WindowExists(kRendererWindowTitle)) {
        return;
    }
    host_.SetTimerEnabled(SessionTimer::RendererWatch, false);
    host_.Unload();
}

void SaverSession::Form_QueryUnload() {
    // The snapshot is a photo of the user's desktop: it goes at every end, whatever became of
    // the renderer, and first, so that no later step (a CD that is slow to stop while the system
    // waits to log off) can keep it on disk. A renderer that has read it has already removed it
    // itself; one that holds it open keeps it until it removes it after its load; one that has
    // not opened it yet finds none and shows flat stars, the price of never leaving it behind.
    SkipOnError([&] { host_.DeleteSnapshot(SnapshotPath); });
    SkipOnError([&] {
        if (host_.TimerEnabled(SessionTimer::CdWatch)) {
            host_.SetTimerEnabled(SessionTimer::CdWatch, false);
            music_.CdStop();
        }
    });
    SkipOnError([&] {
        if (start_.settings.BgmKind != kBgmKindFile) {
            return;
        }
        const auto kind = MusicFileKindOf(start_.settings.BgmFile);
        if (kind == MusicFileKind::Wav) {
            SkipOnError([&] { music_.WavStop(); });
        }
        if (kind == MusicFileKind::Mp3) {
            SkipOnError([&] { host_.SetTimerEnabled(SessionTimer::Mp3Repeat, false); });
            SkipOnError([&] { music_.Mp3Stop(); });
        }
    });
    SkipOnError([&] {
        if (start_.restoreCursor) {
            cursorCount_ = program_.ShowCursor(cursorCount_);
        }
    });
    program_.EndProgram();
}

} // namespace lumo
