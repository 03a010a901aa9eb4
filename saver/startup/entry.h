#pragma once
// The saver program's entry: the instance check, the mode letter and the hand-over to the
// preview, the settings dialog or the saver session. The steps are platform-free; EntryHost is
// the thin door to Windows (win32_entry_host.h) and to fakes in tests; ProgramServices the
// program-wide services it shares with the session.

#include "program_contract.h"
#include "program_names.h"
#include "program_services.h"
#include "saver_session.h"
#include "settings.h"

#include <cstdint>
#include <string>

namespace lumo {

// ルモヴェイン.dll が同じﾌｫﾙﾀﾞに見つかりません！
inline constexpr char kRendererMissingText[] =
    "\x83\x8B\x83\x82\x83\x94\x83\x46\x83\x43\x83\x93.dll "
    "\x82\xAA\x93\xAF\x82\xB6\xCC\xAB\xD9\xC0\xDE\x82\xC9\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC"
    "\x82\xB9\x82\xF1\x81\x49";

class EntryHost {
  public:
    virtual ~EntryHost() = default;
    virtual std::string Arguments() = 0; // the command line after the program's name
    virtual std::wstring ProgramFolder() = 0;
    virtual void CreateFolder(const char* path) = 0;
    virtual BgmSettings LoadSettings(const std::wstring& programFolder) = 0;
    virtual bool FileExists(const std::wstring& path) = 0;
    virtual void MessageBoxOk(const char* text, const char* caption) = 0; // returns when closed
    virtual void StartPreview(std::int32_t parentWindow) = 0;
    // Returns when the dialog has closed.
    virtual void ShowSettingsDialogModal(BgmSettings& settings,
                                         const std::wstring& programFolder) = 0;
    virtual void LoadSessionForm(const SessionStart& start) = 0;
};

// Runs the entry's steps: reads the command line and works out the program folder and the
// settings once, and hands them to the window that runs. Returns when the loaded form is to
// keep the process going (session, preview); every other way out ends the program.
void Main(EntryHost& host, ProgramServices& program);

} // namespace lumo
