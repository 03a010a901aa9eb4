#include "win32_entry_host.h"

#include "command_line.h"
#include "music_player.h"
#include "preview_form.h"
#include "program_services.h"
#include "session_form.h"
#include "settings_dialog.h"
#include "settings_file.h"
#include "wide_text.h"
#include "win32_music_device.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace lumo {

namespace {

// `path` as GetShortPathNameW or GetLongPathNameW gives it, or empty when they cannot.
using PathConversion = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);
std::wstring Converted(PathConversion convert, const std::wstring& path) {
    const DWORD needed = convert(path.c_str(), nullptr, 0); // with its terminating null
    if (needed == 0) {
        return {};
    }
    std::wstring converted(needed, L'\0');
    const DWORD got = convert(path.c_str(), converted.data(), needed);
    if (got == 0 || got >= needed) {
        return {};
    }
    converted.resize(got);
    return converted;
}

// The forms in which the running program's path may open its command line: as Windows loaded it,
// and its short and long forms (the settings may hold either; the short one has no blanks).
std::vector<std::string> ProgramPathForms() {
    const std::wstring path = program::ModulePath();
    std::vector<std::string> forms;
    if (path.empty()) {
        return forms;
    }
    for (const std::wstring& form :
         {path, Converted(::GetShortPathNameW, path), Converted(::GetLongPathNameW, path)}) {
        if (!form.empty()) {
            forms.push_back(ToCp932Replacing(form));
        }
    }
    return forms;
}

} // namespace

std::string Win32EntryHost::Arguments() {
    // The mode-letter rules count code page 932 characters, so the line is converted with 932
    // itself: the A line of a system of another code page (1252, or UTF-8 under 65001) would be
    // miscounted, its bytes read as lead and trail bytes. The program's path is converted the
    // same way, so a character without a 932 form is the same '?' in both.
    const wchar_t* full = ::GetCommandLineW();
    return ArgumentsOf(ToCp932Replacing(full != nullptr ? full : L""), ProgramPathForms());
}

std::wstring Win32EntryHost::ProgramFolder() {
    return program::Folder();
}

void Win32EntryHost::CreateFolder(const char* path) {
    program::CreateFolder(path);
}

BgmSettings Win32EntryHost::LoadSettings(const std::wstring& programFolder) {
    return lumo::LoadSettings(programFolder);
}

bool Win32EntryHost::FileExists(const std::wstring& path) {
    return lumo::FileExists(path);
}

void Win32EntryHost::MessageBoxOk(const char* text, const char* caption) {
    program::MessageBoxOk(text, caption);
}

void Win32EntryHost::StartPreview(std::int32_t parentWindow) {
    // Lives as long as the process: the form ends the program when its window goes.
    static Lumovane_R form;
    form.Start(parentWindow);
}

void Win32EntryHost::ShowSettingsDialogModal(BgmSettings& settings,
                                             const std::wstring& programFolder) {
    Lumovane_P dialog(settings, ApiResult, programFolder);
    dialog.Show(ShowMode::Modal);
}

void Win32EntryHost::LoadSessionForm(const SessionStart& start) {
    // The session's parts live as long as the process: the program ends from inside them.
    static const SessionStart kept = start;
    static std::unique_ptr<MusicDevice> device = MakeWin32MusicDevice();
    static MusicPlayer player(*device, kept.settings, ApiResult);
    static Lumovane_S form(program_, player, kept);
    form.Load();
}

} // namespace lumo
