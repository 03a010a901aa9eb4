#pragma once
// The settings file through the Windows ANSI profile functions. All strings are in the system's
// ANSI code page (932 on a Japanese system) and go to the "A" functions unchanged.

#include <string>

namespace lumo {

// The value of `key` in `section` of the INI file at `path`, at most 255 bytes; "" when the file,
// the section or the key is missing.
std::string ReadIni(const std::string& section, const std::string& key, const std::string& path);

// Writes one key; an empty value keeps the key with an empty value. The result goes to ApiResult.
void WriteIni(const std::string& section, const std::string& key, const std::string& value,
              const std::string& path);

// True when the file can be opened for reading; one trailing '\' is ignored. Folders give false.
bool FileExists(const std::string& path);

// Fills Bgm() from programFolder + "\ルモヴェイン.ini".
void LoadSettings(const std::string& programFolder);

} // namespace lumo
