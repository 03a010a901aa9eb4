#pragma once
// The entry's door to Windows: the command line, the folder, the settings, the message box and
// the three windows the entry hands over to.

#include "entry.h"

namespace lumo {

class Win32EntryHost final : public EntryHost {
  public:
    explicit Win32EntryHost(ProgramServices& program) : program_(program) {}

    std::string Arguments() override;
    std::wstring ProgramFolder() override;
    void CreateFolder(const char* path) override;
    BgmSettings LoadSettings(const std::wstring& programFolder) override;
    bool FileExists(const std::wstring& path) override;
    void MessageBoxOk(const char* text, const char* caption) override;
    void StartPreview(std::int32_t parentWindow) override;
    void ShowSettingsDialogModal(BgmSettings& settings, const std::wstring& programFolder) override;
    void LoadSessionForm(const SessionStart& start) override;

  private:
    ProgramServices& program_;
};

} // namespace lumo
