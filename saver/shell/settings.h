#pragma once
// The saver's three music settings, their file format and the path helpers around them.
// Everything here is platform-free; the profile-function calls live in settings_file.h.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumo {

// The public variables of the music module; zero or empty at program start.
struct BgmSettings {
    std::int16_t BgmKind = 0;   // 0 none, 1 music CD, 2 MP3/WAV file; other values kept as read
    std::int16_t BgmRepeat = 0; // CD track to repeat, 0 = none
    std::string BgmFile;        // full path of the music file (ANSI code page)
    std::string BgmFolder;      // FolderOf(BgmFile), or the program folder
};

// The one program-wide instance, read and written by the session, the player and the dialog.
BgmSettings& Bgm();

// Shared result of most Win32 and MCI calls; only the settings dialog tests it.
inline std::int32_t ApiResult = 0;

// INI section and keys, exactly as stored: code page 932 bytes (half-width katakana in two keys).
inline constexpr char kIniSection[] = "Section";
inline constexpr char kKeyBgmKind[] = "BGM\x8B\xE6\x95\xAA";             // BGM区分
inline constexpr char kKeyBgmRepeat[] = "BGM\xD8\xCB\xDF\xB0\xC4";       // BGMﾘﾋﾟｰﾄ
inline constexpr char kKeyBgmFile[] = "BGM\xCC\xA7\xB2\xD9";             // BGMﾌｧｲﾙ
inline constexpr char kIniFileName[] = "\\\x83\x8B\x83\x82\x83\x94\x83\x46\x83\x43\x83\x93.ini"; // \ルモヴェイン.ini

// A settings value read as a number: decimal, surrounding blanks allowed, a fraction rounded
// down. nullopt when the text is no number or the result does not fit 16 signed bits (the
// caller then leaves its variable unchanged).
std::optional<std::int16_t> ReadSettingNumber(std::string_view text);

// The form a number is written in: a blank before 0 and positive numbers, "-" before negative.
std::string FormatSettingNumber(std::int16_t value);

// The folder part of a path: up to the last ':' or '\', without a trailing '\'.
std::string FolderOf(std::string_view path);

} // namespace lumo
