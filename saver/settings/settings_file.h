#pragma once
// The settings file on disk. Its text is read and written by settings_text.h, the same on every
// system whatever its code page; this is only the door to the file's bytes.

#include "settings.h"
#include "settings_text.h"

#include <span>
#include <string>

namespace lumo {

// programFolder + "\ルモヴェイン.ini".
std::wstring SettingsFilePath(const std::wstring& programFolder);

// The value of `key` (code page 932) in `section` of the settings file at `path`; "" when the
// file, the section or the key is missing.
std::wstring ReadIni(const std::string& section, const std::string& key, const std::wstring& path);

// Writes the keys into `section` and replaces the file in one step, so that a failed write leaves
// an earlier file as it was, and says why. ApiResult gets 1 when the file is in place, else 0.
SaveOutcome WriteIni(const std::string& section, std::span<const IniValue> values,
                     const std::wstring& path);

// True when the file can be opened for reading; one trailing '\' is ignored. Folders give false.
bool FileExists(const std::wstring& path);

// The settings as the file in programFolder gives them.
BgmSettings LoadSettings(const std::wstring& programFolder);

// Writes the three settings the settings window saves.
SaveOutcome SaveSettings(const std::wstring& programFolder, const BgmSettings& settings);

} // namespace lumo
