#include "settings_file.h"

#include "replace_file.h"
#include "settings.h"
#include "whole_file.h"
#include "wide_text.h"
#include "win32_handles.h"

#include <windows.h>

#include <optional>
#include <vector>

namespace lumo {

namespace {

// Far beyond any settings file; a larger one is not read into memory.
constexpr std::uint64_t kLargestFile = 1 << 20;

// The file's bytes; empty when it does not exist, nullopt when it exists but cannot be read
// (then it must not be replaced by a file that lacks its other lines).
std::optional<std::vector<std::uint8_t>> SettingsBytes(const std::wstring& path) {
    WholeFile file = ReadWholeFile(path, kLargestFile);
    switch (file.result) {
    case FileReadResult::Read:
        return std::move(file.bytes);
    case FileReadResult::Missing:
        return std::vector<std::uint8_t>{};
    default:
        return std::nullopt;
    }
}

} // namespace

std::wstring SettingsFilePath(const std::wstring& programFolder) {
    return programFolder + FromCp932(kIniFileName);
}

std::wstring ReadIni(const std::string& section, const std::string& key, const std::wstring& path) {
    const auto file = SettingsBytes(path);
    return file ? IniValueOf(*file, section, key) : std::wstring();
}

bool WriteIni(const std::string& section, std::span<const IniValue> values,
              const std::wstring& path) {
    const auto file = SettingsBytes(path);
    const bool written =
        file && ReplaceFileWith(
                    path, {std::span<const std::uint8_t>(IniWithValues(*file, section, values))});
    ApiResult = written ? 1 : 0;
    return written;
}

bool FileExists(const std::wstring& path) {
    const std::wstring target = WithoutTrailingBackslash(path);
    if (target.empty()) {
        return false;
    }
    // Without backup semantics a folder does not open, which is what callers want.
    const win::KernelHandle file(::CreateFileW(target.c_str(), GENERIC_READ,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    const bool opened = file.Valid();
    ::SetLastError(ERROR_SUCCESS);
    return opened;
}

BgmSettings LoadSettings(const std::wstring& programFolder) {
    // Read once: the three keys come from the same bytes.
    const auto file = SettingsBytes(SettingsFilePath(programFolder));
    BgmSettings settings;
    LoadSettingsWith(
        settings, programFolder,
        [&](const char* key) {
            return file ? IniValueOf(*file, kIniSection, key) : std::wstring();
        },
        [](const std::wstring& path) { return FileExists(path); });
    return settings;
}

bool SaveSettings(const std::wstring& programFolder, const BgmSettings& settings) {
    const auto values = SettingTextsOf(settings);
    return WriteIni(kIniSection, values, SettingsFilePath(programFolder));
}

} // namespace lumo
