#pragma once
// The music player's door to winmm: mciSendStringW, mciGetErrorStringW, waveOutGetNumDevs and
// PlaySoundW, all with UTF-16 strings.

#include "music_device.h"

#include <memory>

namespace lumo {

std::unique_ptr<MusicDevice> MakeWin32MusicDevice();

} // namespace lumo
