#pragma once
// The narrow door through which the music player reaches the platform: MCI command strings,
// MCI error texts, the wave-out device count and PlaySoundA. The Win32 implementation is
// win32_music_device.h; tests drive the player through a scripted fake.

#include <cstddef>
#include <cstdint>
#include <string>

namespace lumo {

class MusicDevice {
  public:
    virtual ~MusicDevice() = default;
    // mciSendStringA(command, buffer of `capacity` chars, capacity, no callback). With capacity
    // 0 no reply is asked for. On return `reply` holds the buffer's text up to its first NUL;
    // a device that answers nothing leaves the buffer as it was (callers keep their buffers).
    virtual std::uint32_t SendString(const std::string& command, std::string& reply,
                                     std::size_t capacity) = 0;
    // mciGetErrorStringA(code, buffer of `capacity` chars); false when it fails.
    virtual bool GetErrorString(std::uint32_t code, std::string& text, std::size_t capacity) = 0;
    virtual std::uint32_t WaveOutDeviceCount() = 0;
    // PlaySoundA(file or no sound when null, no module, flags).
    virtual std::int32_t PlaySound(const char* file, std::uint32_t flags) = 0;
};

} // namespace lumo
