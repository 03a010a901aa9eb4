#include "settings_file.h"

#include "replace_file.h"
#include "settings.h"
#include "wide_text.h"
#include "win32_handles.h"

#include <windows.h>

#include <optional>
#include <vector>

namespace lumo {

namespace {

// Far beyond any settings file; a larger one is not read into memory.
constexpr LONGLONG kLargestFile = 1 << 20;

HANDLE OpenForReading(const std::wstring& path) {
    return ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

// The file's bytes; empty when it does not exist, nullopt when it exists but cannot be read
// (then it must not be replaced by a file that lacks its other lines).
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::wstring& path) {
    const win::KernelHandle file(OpenForReading(path));
    if (!file.Valid()) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return std::vector<std::uint8_t>{};
        }
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart > kLargestFile) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

std::wstring SettingsFilePath(const std::wstring& programFolder) {
    return programFolder + FromCp932(kIniFileName);
}

std::wstring ReadIni(const std::string& section, const std::string& key, const std::wstring& path) {
    const auto file = ReadWholeFile(path);
    return file ? IniValueOf(*file, section, key) : std::wstring();
}

bool WriteIni(const std::string& section, std::span<const IniValue> values,
              const std::wstring& path) {
    const auto file = ReadWholeFile(path);
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
    const win::KernelHandle file(OpenForReading(target));
    const bool opened = file.Valid();
    ::SetLastError(ERROR_SUCCESS);
    return opened;
}

BgmSettings LoadSettings(const std::wstring& programFolder) {
    // Read once: the three keys come from the same bytes.
    const auto file = ReadWholeFile(SettingsFilePath(programFolder));
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
