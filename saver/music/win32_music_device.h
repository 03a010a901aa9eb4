#pragma once
// The music player's door to winmm: mciSendStringA, mciGetErrorStringA, waveOutGetNumDevs and
// PlaySoundA, all with ANSI strings.

#include "music_device.h"

#include <memory>

namespace lumo {

std::unique_ptr<MusicDevice> MakeWin32MusicDevice();

} // namespace lumo
