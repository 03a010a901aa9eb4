#pragma once
// The narrow door through which the music player reaches the platform: MCI command strings,
// MCI error texts, the wave-out device count and PlaySoundW. All texts are UTF-16, so a music
// path reaches MCI whole whatever the system's code page. The Win32 implementation is
// win32_music_device.h; tests drive the player through a scripted fake.

#include <cstddef>
#include <cstdint>
#include <string>

namespace lumo {

class MusicDevice {
  public:
    virtual ~MusicDevice() = default;
    // mciSendStringW(command, buffer of `capacity` chars, capacity, no callback). With capacity
    // 0 no reply is asked for. On return `reply` holds the buffer's text up to its first NUL;
    // a device that answers nothing leaves the buffer as it was (callers keep their buffers).
    virtual std::uint32_t SendString(const std::wstring& command, std::wstring& reply,
                                     std::size_t capacity) = 0;
    // mciGetErrorStringW(code, buffer of `capacity` chars); false when it fails.
    virtual bool GetErrorString(std::uint32_t code, std::wstring& text, std::size_t capacity) = 0;
    virtual std::uint32_t WaveOutDeviceCount() = 0;
    // PlaySoundW(file or no sound when null, no module, flags).
    virtual std::int32_t PlaySound(const wchar_t* file, std::uint32_t flags) = 0;
};

} // namespace lumo
