#include "win32_music_device.h"

#include <windows.h>

#include <mmsystem.h>
// mmsystem.h maps PlaySound to PlaySoundW, which would rename the device's own operation.
#undef PlaySound

#include <algorithm>
#include <vector>

namespace lumo {

namespace {

// The caller's text goes into the buffer first, so a call that writes nothing leaves it as it
// was, just like a buffer that lives between calls.
std::vector<wchar_t> BufferHolding(const std::wstring& text, std::size_t capacity) {
    std::vector<wchar_t> buffer(capacity, L'\0');
    if (capacity > 0) {
        std::copy_n(text.begin(), std::min(text.size(), capacity - 1), buffer.begin());
    }
    return buffer;
}

std::wstring TextOf(const std::vector<wchar_t>& buffer) {
    return std::wstring(buffer.begin(), std::find(buffer.begin(), buffer.end(), L'\0'));
}

class Win32MusicDevice final : public MusicDevice {
  public:
    std::uint32_t SendString(const std::wstring& command, std::wstring& reply,
                             std::size_t capacity) override {
        if (capacity == 0) {
            return mciSendStringW(command.c_str(), nullptr, 0, nullptr);
        }
        std::vector<wchar_t> buffer = BufferHolding(reply, capacity);
        const MCIERROR code =
            mciSendStringW(command.c_str(), buffer.data(), static_cast<UINT>(capacity), nullptr);
        reply = TextOf(buffer);
        return code;
    }

    bool GetErrorString(std::uint32_t code, std::wstring& text, std::size_t capacity) override {
        if (capacity == 0) {
            return false;
        }
        std::vector<wchar_t> buffer = BufferHolding(text, capacity);
        if (!mciGetErrorStringW(code, buffer.data(), static_cast<UINT>(capacity))) {
            return false;
        }
        text = TextOf(buffer);
        return true;
    }

    std::uint32_t WaveOutDeviceCount() override { return waveOutGetNumDevs(); }

    std::int32_t PlaySound(const wchar_t* file, std::uint32_t flags) override {
        return ::PlaySoundW(file, nullptr, flags);
    }
};

} // namespace

std::unique_ptr<MusicDevice> MakeWin32MusicDevice() {
    return std::make_unique<Win32MusicDevice>();
}

} // namespace lumo
