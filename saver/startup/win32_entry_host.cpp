#include "win32_entry_host.h"

#include "command_line.h"
#include "music_player.h"
#include "player_music.h"
#include "preview_form.h"
#include "session_form.h"
#include "settings_dialog.h"
#include "settings_file.h"
#include "wide_text.h"
#include "win32_music_device.h"

#include <windows.h>

#include <memory>

namespace lumo {

std::string Win32EntryHost::Arguments() {
    // The mode-letter rules count code page 932 characters, so the line is converted with 932
    // itself: the A line of a system of another code page (1252, or UTF-8 under 65001) would be
    // miscounted, its bytes read as lead and trail bytes.
    const wchar_t* full = ::GetCommandLineW();
    return ArgumentsOf(ToCp932Replacing(full != nullptr ? full : L""));
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
    static PlayerMusic music(player);
    static Lumovane_S form(program_, music, kept);
    form.Load();
}

} // namespace lumo
