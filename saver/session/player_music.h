#pragma once
// The session's view of the music player: the eight operations it calls and the CD flag.

#include "music_player.h"
#include "saver_session.h"

namespace lumo {

class PlayerMusic final : public SessionMusic {
  public:
    explicit PlayerMusic(MusicPlayer& player) : player_(player) {}
    void CdOpen() override { player_.CdOpen(); }
    void CdWatch() override { player_.CdWatch(); }
    bool CdAvailable() override { return player_.CdAvailable(); }
    void CdStop() override { player_.CdStop(); }
    void Mp3Play() override { player_.Mp3Play(); }
    void Mp3Replay() override { player_.Mp3Replay(); }
    void Mp3Stop() override { player_.Mp3Stop(); }
    void WavPlay() override { player_.WavPlay(); }
    void WavStop() override { player_.WavStop(); }

  private:
    MusicPlayer& player_;
};

} // namespace lumo
