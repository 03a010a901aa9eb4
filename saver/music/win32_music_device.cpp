#include "win32_music_device.h"

#include <windows.h>

#include <mmsystem.h>
// mmsystem.h maps PlaySound to PlaySoundA, which would rename the device's own operation.
#undef PlaySound

#include <algorithm>
#include <vector>

namespace lumo {

namespace {

// The caller's text goes into the buffer first, so a call that writes nothing leaves it as it
// was, just like a buffer that lives between calls.
std::vector<char> BufferHolding(const std::string& text, std::size_t capacity) {
    std::vector<char> buffer(capacity, '\0');
    if (capacity > 0) {
        std::copy_n(text.begin(), std::min(text.size(), capacity - 1), buffer.begin());
    }
    return buffer;
}

std::string TextOf(const std::vector<char>& buffer) {
    return std::string(buffer.begin(), std::find(buffer.begin(), buffer.end(), '\0'));
}

class Win32MusicDevice final : public MusicDevice {
  public:
    std::uint32_t SendString(const std::string& command, std::string& reply,
                             std::size_t capacity) override {
        if (capacity == 0) {
            return mciSendStringA(command.c_str(), nullptr, 0, nullptr);
        }
        std::vector<char> buffer = BufferHolding(reply, capacity);
        const MCIERROR code =
            mciSendStringA(command.c_str(), buffer.data(), static_cast<UINT>(capacity), nullptr);
        reply = TextOf(buffer);
        return code;
    }

    bool GetErrorString(std::uint32_t code, std::string& text, std::size_t capacity) override {
        if (capacity == 0) {
            return false;
        }
        std::vector<char> buffer = BufferHolding(text, capacity);
        if (!mciGetErrorStringA(code, buffer.data(), static_cast<UINT>(capacity))) {
            return false;
        }
        text = TextOf(buffer);
        return true;
    }

    std::uint32_t WaveOutDeviceCount() override { return waveOutGetNumDevs(); }

    std::int32_t PlaySound(const char* file, std::uint32_t flags) override {
        return ::PlaySoundA(file, nullptr, flags);
    }
};

} // namespace

std::unique_ptr<MusicDevice> MakeWin32MusicDevice() {
    return std::make_unique<Win32MusicDevice>();
}

} // namespace lumo
