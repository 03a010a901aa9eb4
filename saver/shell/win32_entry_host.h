#pragma once
// The entry's door to Windows: window look-ups, the folder, the settings, the message box,
// the cursor and the three windows the entry hands over to.

#include "entry.h"

namespace lumo {

class Win32EntryHost final : public EntryHost {
  public:
    std::string Arguments() override;
    std::wstring ProgramFolder() override;
    bool WindowExists(const char* caption) override;
    void CreateFolder(const char* path) override;
    void LoadSettings(const std::wstring& programFolder) override;
    bool FileExists(const std::wstring& path) override;
    void MessageBoxOk(const char* text, const char* caption) override;
    void StartPreview(std::int32_t parentWindow) override;
    void ShowSettingsDialogModal() override;
    std::int32_t ShowCursor(bool show) override;
    void LoadSessionForm() override;
    [[noreturn]] void EndProgram() override;
};

} // namespace lumo
