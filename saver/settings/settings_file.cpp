#include "settings_file.h"

#include "long_path.h"
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

// The file's bytes; empty when it does not exist. A file that exists but cannot be read must
// not be replaced by one that lacks its other lines: then the outcome says why.
struct SettingsBytes {
    std::vector<std::uint8_t> bytes;
    SaveOutcome outcome = SaveOutcome::Saved;
};

SettingsBytes ReadSettingsBytes(const std::wstring& path) {
    WholeFile file = ReadWholeFile(path, kLargestFile);
    switch (file.result) {
    case FileReadResult::Read:
        return {std::move(file.bytes)};
    case FileReadResult::Missing:
        return {};
    case FileReadResult::Locked:
        return {{}, SaveOutcome::FileLocked};
    case FileReadResult::TooLarge:
    case FileReadResult::Unreadable:
        break;
    }
    return {{}, SaveOutcome::FileUnreadable};
}

SaveOutcome OutcomeOf(ReplaceFailure failure) {
    switch (failure) {
    case ReplaceFailure::None:
        return SaveOutcome::Saved;
    case ReplaceFailure::FileLocked:
        return SaveOutcome::FileLocked;
    case ReplaceFailure::PathTooLong:
        return SaveOutcome::PathTooLong;
    case ReplaceFailure::WriteFailed:
        return SaveOutcome::WriteFailed;
    case ReplaceFailure::FolderNotWritable:
        break;
    }
    return SaveOutcome::FolderNotWritable;
}

} // namespace

std::wstring SettingsFilePath(const std::wstring& programFolder) {
    return programFolder + FromCp932(kIniFileName);
}

std::wstring ReadIni(const std::string& section, const std::string& key, const std::wstring& path) {
    const auto file = ReadSettingsBytes(path);
    return IniValueOf(file.bytes, section, key);
}

SaveOutcome WriteIni(const std::string& section, std::span<const IniValue> values,
                     const std::wstring& path) {
    const auto file = ReadSettingsBytes(path);
    SaveOutcome outcome = file.outcome;
    if (outcome == SaveOutcome::Saved) {
        const auto text = IniWithValues(file.bytes, section, values);
        outcome = OutcomeOf(ReplaceFileWith(path, {std::span<const std::uint8_t>(text)}).failure);
    }
    ApiResult = outcome == SaveOutcome::Saved ? 1 : 0;
    return outcome;
}

bool FileExists(const std::wstring& path) {
    const std::wstring target = WithoutTrailingBackslash(path);
    if (target.empty()) {
        return false;
    }
    // Without backup semantics a folder does not open, which is what callers want.
    const win::KernelHandle file(::CreateFileW(FileFunctionPath(target).c_str(), GENERIC_READ,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    const bool opened = file.Valid();
    ::SetLastError(ERROR_SUCCESS);
    return opened;
}

BgmSettings LoadSettings(const std::wstring& programFolder) {
    // Read once: the three keys come from the same bytes.
    const auto file = ReadSettingsBytes(SettingsFilePath(programFolder));
    BgmSettings settings;
    LoadSettingsWith(
        settings, programFolder,
        [&](const char* key) { return IniValueOf(file.bytes, kIniSection, key); },
        [](const std::wstring& path) { return FileExists(path); });
    return settings;
}

SaveOutcome SaveSettings(const std::wstring& programFolder, const BgmSettings& settings) {
    const auto values = SettingTextsOf(settings);
    return WriteIni(kIniSection, values, SettingsFilePath(programFolder));
}

} // namespace lumo
