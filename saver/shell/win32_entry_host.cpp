#include "win32_entry_host.h"

#include "application.h"
#include "music_player.h"
#include "player_music.h"
#include "preview_form.h"
#include "program_services.h"
#include "session_form.h"
#include "settings.h"
#include "settings_dialog.h"
#include "settings_file.h"
#include "win32_music_device.h"

#include <windows.h>

#include <memory>

namespace lumo {

std::string Win32EntryHost::Arguments() {
    return app::CommandLine();
}

std::wstring Win32EntryHost::ProgramFolder() {
    return program::Folder();
}

bool Win32EntryHost::WindowExists(const char* caption) {
    return program::WindowExists(caption);
}

void Win32EntryHost::CreateFolder(const char* path) {
    program::CreateFolder(path);
}

void Win32EntryHost::LoadSettings(const std::wstring& programFolder) {
    lumo::LoadSettings(programFolder);
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

void Win32EntryHost::ShowSettingsDialogModal() {
    Lumovane_P dialog;
    dialog.Show(ShowMode::Modal);
}

std::int32_t Win32EntryHost::ShowCursor(bool show) {
    return ::ShowCursor(show ? TRUE : FALSE);
}

void Win32EntryHost::LoadSessionForm() {
    // The session's parts live as long as the process: the program ends from inside them.
    static std::unique_ptr<MusicDevice> device = MakeWin32MusicDevice();
    static MusicPlayer player(*device, Bgm(), ApiResult);
    static PlayerMusic music(player);
    static Lumovane_S form(music, Bgm());
    form.Load();
}

void Win32EntryHost::EndProgram() {
    app::EndProgram();
}

} // namespace lumo
