#include "music_player.h"
#include "temp_folder.h"
#include "win32_music_device.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

namespace lumo {
namespace {

using test::TempFolder;
using test::W;
using test::WriteBytes;

// A short silent 16-bit mono PCM file, enough for the wave and MCI players to open and play.
std::string SilentWav(unsigned seconds) {
    const std::uint32_t rate = 22050;
    const std::uint32_t dataSize = rate * 2 * seconds;
    std::string bytes;
    const auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        }
    };
    const auto put16 = [&](std::uint16_t v) {
        bytes.push_back(static_cast<char>(v & 0xFF));
        bytes.push_back(static_cast<char>(v >> 8));
    };
    bytes += "RIFF";
    put32(36 + dataSize);
    bytes += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(rate);
    put32(rate * 2);
    put16(2);
    put16(16);
    bytes += "data";
    put32(dataSize);
    bytes.append(dataSize, '\0');
    return bytes;
}

class Win32MusicTest : public ::testing::Test {
  protected:
    std::unique_ptr<MusicDevice> device = MakeWin32MusicDevice();
    BgmSettings settings;
    std::int32_t apiResult = 0;
    MusicPlayer player{*device, settings, apiResult};
};

TEST_F(Win32MusicTest, NoCdDriveMeansTheWatchGivesUp) {
    std::wstring unused;
    const std::uint32_t code = device->SendString(L"open cdaudio", unused, 0);
    ASSERT_NE(code, 0u) << "this machine has a CD drive";
    device->SendString(L"close cdaudio", unused, 0);

    player.CdOpen();
    EXPECT_NE(apiResult, 0); // the time format cannot be set on a device that is not open
    player.CdWatch();
    EXPECT_FALSE(player.CdAvailable());
    player.CdStop();
}

TEST_F(Win32MusicTest, ErrorTextsComeFromMci) {
    std::wstring text = L"kept";
    EXPECT_TRUE(device->GetErrorString(266, text, 256));
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text, L"kept");

    std::wstring reply;
    const std::int32_t code = player.MciCommand(L"status MP3Play mode", reply);
    EXPECT_NE(code, 0); // nothing is open under that alias
    EXPECT_FALSE(reply.empty());
    EXPECT_EQ(player.MciQuery(L"status MP3Play mode"), L"Error:" + std::to_wstring(code));
}

TEST_F(Win32MusicTest, MissingMp3NeverPlays) {
    const TempFolder folder{"lumo mp3"};
    settings.BgmFile = W(folder / "gone.mp3");
    player.Mp3Play();
    EXPECT_NE(apiResult, 0);
    EXPECT_FALSE(player.Mp3IsPlaying());
    player.Mp3Replay(); // commands to the unopened alias fail quietly
    EXPECT_NE(apiResult, 0);
    player.Mp3Stop();
}

TEST_F(Win32MusicTest, FileInAFolderWithBlanksOpensAndRestarts) {
    if (device->WaveOutDeviceCount() == 0) {
        GTEST_SKIP() << "no sound server";
    }
    const TempFolder folder{"lumo with blanks"};
    ASSERT_TRUE(WriteBytes(folder / "a song.wav", SilentWav(2)));
    settings.BgmFile = W(folder / "a song.wav");
    player.Mp3Play();
    ASSERT_EQ(apiResult, 0) << "open failed";
    EXPECT_TRUE(player.Mp3IsPlaying());
    std::wstring unused;
    device->SendString(L"pause MP3Play", unused, 0);
    EXPECT_FALSE(player.Mp3IsPlaying());
    player.Mp3Replay();
    EXPECT_TRUE(player.Mp3IsPlaying());
    player.Mp3Stop();
    EXPECT_NE(device->SendString(L"status MP3Play mode", unused, 30), 0u); // closed
}

TEST_F(Win32MusicTest, WavLoopsUntilStopped) {
    if (device->WaveOutDeviceCount() == 0) {
        GTEST_SKIP() << "no sound server";
    }
    const TempFolder folder{"lumo wav"};
    ASSERT_TRUE(WriteBytes(folder / "loop.wav", SilentWav(1)));
    settings.BgmFile = W(folder / "loop.wav");
    player.WavPlay();
    EXPECT_EQ(apiResult, 1);
    player.WavStop();
    EXPECT_EQ(apiResult, 1);
}

} // namespace
} // namespace lumo
