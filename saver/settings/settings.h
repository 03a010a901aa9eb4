#pragma once
// The saver's three music settings, their file format and the path helpers around them.
// Everything here is platform-free; the file itself is read and written in settings_file.h.

#include "settings_text.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lumo {

// The saver's settings, loaded once by the entry and handed to the session, the music player
// and the settings window; zero or empty until loaded.
struct BgmSettings {
    std::int16_t BgmKind = 0;   // 0 none, 1 music CD, 2 MP3/WAV file; other values kept as read
    std::int16_t BgmRepeat = 0; // CD track to repeat, 0 = none
    std::wstring BgmFile;       // full path of the music file
    std::wstring BgmFolder;     // FolderOf(BgmFile), or the program folder
};

// The values of BgmKind that mean something, as stored in the settings file.
inline constexpr std::int16_t kBgmKindNone = 0;
inline constexpr std::int16_t kBgmKindCd = 1;
inline constexpr std::int16_t kBgmKindFile = 2;

// Shared result of most Win32 and MCI calls; only the settings dialog tests it.
inline std::int32_t ApiResult = 0;

// How a save of the settings file ended; each failure is told to the user by its cause.
enum class SaveOutcome {
    Saved,
    FolderNotWritable, // the program's folder takes no new file
    FileLocked,        // the settings file is held by another program, or is read-only
    FileUnreadable,    // the settings file cannot be read, or is too large to be one
    PathTooLong,       // the folder's path is beyond what the system's file functions take
    WriteFailed,       // the disk refused the bytes (full, or removed)
};

// INI section and keys, exactly as stored: code page 932 bytes (half-width katakana in two keys).
inline constexpr char kIniSection[] = "Section";
inline constexpr char kKeyBgmKind[] = "BGM\x8B\xE6\x95\xAA";       // BGM区分
inline constexpr char kKeyBgmRepeat[] = "BGM\xD8\xCB\xDF\xB0\xC4"; // BGMﾘﾋﾟｰﾄ
inline constexpr char kKeyBgmFile[] = "BGM\xCC\xA7\xB2\xD9";       // BGMﾌｧｲﾙ
inline constexpr char kIniFileName[] =
    "\\\x83\x8B\x83\x82\x83\x94\x83\x46\x83\x43\x83\x93.ini"; // \ルモヴェイン.ini

// A settings value read as a number: decimal, surrounding blanks allowed, a fraction rounded
// down. nullopt when the text is no number or the result does not fit 16 signed bits (the
// caller then leaves its variable unchanged).
std::optional<std::int16_t> ReadSettingNumber(std::string_view text);
// The same for a value read from the file; a character beyond ASCII makes it no number.
std::optional<std::int16_t> ReadSettingNumber(std::wstring_view text);

// The form a number is written in: a blank before 0 and positive numbers, "-" before negative.
std::string FormatSettingNumber(std::int16_t value);

// The folder part of a path: up to the last ':' or '\', without a trailing '\'.
std::wstring FolderOf(std::wstring_view path);

// A decimal number read exactly, without floating point: blanks around it, an optional sign,
// digits with an optional fraction and an optional exponent ("1e2", "2.5E-1"). `floor` is the
// value rounded down, `fraction` tells whether anything was dropped to get there. nullopt when
// the text is no such number, its exponent is beyond 10^18 (more than the reader holds), or the
// floor does not fit 32 signed bits.
struct DecimalReading {
    std::int32_t floor = 0;
    bool fraction = false;
};
std::optional<DecimalReading> ReadDecimal(std::string_view text);
// The same for a wide text; a character beyond ASCII makes it no number.
std::optional<DecimalReading> ReadDecimal(std::wstring_view text);

// The path FileExists opens: one trailing '\' dropped.
std::wstring WithoutTrailingBackslash(std::wstring_view path);

// The three keys with the texts the settings window saves, in the order they are written.
std::array<IniValue, 3> SettingTextsOf(const BgmSettings& settings);

// LoadSettings without the platform: `readValue(key)` returns the settings file's value of a
// key of kIniSection ("" when missing), `fileExists(path)` tells whether the music file can be
// read. Fills `settings` in the fixed order, with the fall-backs of a missing or bad value.
void LoadSettingsWith(BgmSettings& settings, std::wstring_view programFolder,
                      const std::function<std::wstring(const char* key)>& readValue,
                      const std::function<bool(const std::wstring& path)>& fileExists);

} // namespace lumo
