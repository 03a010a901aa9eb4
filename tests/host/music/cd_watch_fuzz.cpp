// The CD watch reads whatever the device answers: random replies and codes must never crash it,
// and a tick that ends with the CD available must have got as far as the mode query.
#include "music_player.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Hands out the fuzzer's bytes as reply codes and texts, one command after another.
class ByteDevice : public lumo::MusicDevice {
  public:
    ByteDevice(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint32_t SendString(const std::wstring&, std::wstring& reply,
                             std::size_t capacity) override {
        ++sends;
        const std::uint8_t control = Next();
        const std::size_t length = Next() % 40;
        if (capacity > 0 && (control & 1) != 0) {
            std::wstring text;
            for (std::size_t i = 0; i < length && pos_ < size_; ++i) {
                text.push_back(static_cast<wchar_t>(Next()));
            }
            reply = text.substr(0, std::min(text.find(L'\0'), capacity - 1));
        }
        return (control & 2) != 0 ? control : 0u;
    }
    bool GetErrorString(std::uint32_t, std::wstring& text, std::size_t) override {
        if ((Next() & 1) == 0) {
            return false;
        }
        text = L"err text";
        return true;
    }
    std::uint32_t WaveOutDeviceCount() override { return Next(); }
    std::int32_t PlaySound(const wchar_t*, std::uint32_t) override { return 1; }

    int sends = 0;

  private:
    std::uint8_t Next() { return pos_ < size_ ? data_[pos_++] : 0; }
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    lumo::BgmSettings settings;
    settings.BgmRepeat = static_cast<std::int16_t>(static_cast<std::int8_t>(data[0]) % 12);
    std::int32_t apiResult = 0;
    ByteDevice device(data + 1, size - 1);
    lumo::MusicPlayer player(device, settings, apiResult);
    for (int tick = 0; tick < 4; ++tick) {
        device.sends = 0;
        player.CdWatch();
        if (player.CdAvailable() && device.sends < 3) {
            std::abort();
        }
    }
    player.Mp3Replay();
    return 0;
}
