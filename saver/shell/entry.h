#pragma once
// The saver program's entry: the instance check, the mode letter and the hand-over to the
// preview, the settings dialog or the saver session. The steps are platform-free; EntryHost is
// the thin door to Windows (win32_entry_host.h) and to fakes in tests.

#include <cstdint>
#include <string>

namespace lumo {

// Captions and paths shared with the other windows and with the renderer (code page 932; the
// Windows side hands them over as UTF-16).
inline constexpr char kSessionCaption[] = "Lumovane_Main";
inline constexpr char kDialogCaption[] =
    "<\x83\x8B\x83\x82\x83\x94\x83\x46\x83\x43\x83\x93>"; // <ルモヴェイン>
inline constexpr char kProgramTitle[] =
    "\x83\x8B\x83\x82\x83\x94\x83\x46\x83\x43\x83\x93"; // ルモヴェイン
inline constexpr char kRendererFileName[] =
    "\x83\x8B\x83\x82\x83\x94\x83\x46\x83\x43\x83\x93.dll"; // ルモヴェイン.dll
// ルモヴェイン.dll が同じﾌｫﾙﾀﾞに見つかりません！
inline constexpr char kRendererMissingText[] =
    "\x83\x8B\x83\x82\x83\x94\x83\x46\x83\x43\x83\x93.dll "
    "\x82\xAA\x93\xAF\x82\xB6\xCC\xAB\xD9\xC0\xDE\x82\xC9\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC"
    "\x82\xB9\x82\xF1\x81\x49";
inline constexpr char kSnapshotFolder[] = "C:\\v_olka";
inline constexpr char SnapshotPath[] = "C:\\v_olka\\Lumovane.bmp";
inline constexpr char kRendererWindowTitle[] = "Lumovane_VC";

// The cursor display count returned when the entry hid the cursor; the session hands it back.
inline std::int32_t CursorCount = 0;

class EntryHost {
  public:
    virtual ~EntryHost() = default;
    virtual std::string Arguments() = 0; // the command line after the program's name
    virtual std::wstring ProgramFolder() = 0;
    virtual bool WindowExists(const char* caption) = 0; // a top-level window by name alone
    virtual void CreateFolder(const char* path) = 0;
    virtual void LoadSettings(const std::wstring& programFolder) = 0;
    virtual bool FileExists(const std::wstring& path) = 0;
    virtual void MessageBoxOk(const char* text, const char* caption) = 0; // returns when closed
    virtual void StartPreview(std::int32_t parentWindow) = 0;
    virtual void ShowSettingsDialogModal() = 0; // returns when the dialog has closed
    virtual std::int32_t ShowCursor(bool show) = 0;
    virtual void LoadSessionForm() = 0;
    [[noreturn]] virtual void EndProgram() = 0;
};

// Runs the entry's steps. Returns when the loaded form is to keep the process going (session,
// preview); every other way out ends the program through the host.
void Main(EntryHost& host);

} // namespace lumo
