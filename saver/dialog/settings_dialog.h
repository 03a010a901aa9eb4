#pragma once
// The settings window Lumovane_P: captioned "<ルモヴェイン>" so that further starts find it,
// fixed size, no task bar button. It chooses the kind of background music, the CD track to
// repeat and the music file, and saves them to the settings file. Its steps are those of
// SettingsDialogSteps; this class is their door to the controls and to Windows.

#include "combo_box.h"
#include "command.h"
#include "control_array.h"
#include "dialog_steps.h"
#include "form.h"
#include "image.h"
#include "label.h"
#include "picture_box.h"
#include "settings.h"
#include "shape.h"

#include <string>

namespace lumo {

class Lumovane_P final : public Form, private DialogHost {
  public:
    // The settings the entry loaded, saved into the settings file in programFolder.
    Lumovane_P(BgmSettings& settings, std::int32_t& apiResult, std::wstring programFolder);

    // The controls, by their design names. Pic_C(0) holds the music group.
    ControlArray<PictureBox> Pic_C;
    PictureBox& Panel; // Pic_C(0)
    ComboBox BGM_Repeat;
    ControlArray<Shape> Shape3;
    ControlArray<Label> lbl;
    ControlArray<Image> Img_BGM;
    ControlArray<Label> lbl_BGM;
    ControlArray<Command> Cmd_File;
    ControlArray<Label> lbl_Fname;
    Label lbl_URL;
    Command Cmd_Set;
    Command Cmd_Can;
    ControlArray<Image> Img_Ra;

  private:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Form_Resize() override;

    // Gives screen readers what the captions and pictures cannot say themselves.
    void DescribeForScreenReaders();
    // A choice of the music kind, by a press on a mark or a label or by a screen reader; a
    // change of the chosen kind is announced.
    void ChooseKind(int kind);

    // DialogHost
    double ScreenWidth() override;
    double ScreenHeight() override;
    double WindowWidth() override;
    double WindowHeight() override;
    void MoveWindow(double left, double top) override;
    void InitializeCommandButtons() override;
    void SetRepeatEnabled(bool enabled) override;
    void SetFileButtonEnabled(int index, bool enabled) override;
    void SetMarkPicture(int mark, int picture) override;
    void SetRepeatText(const std::string& text) override;
    std::string RepeatText() override;
    void AddRepeatItem(const std::string& item) override;
    void SetFileCaption(int index, const std::wstring& caption) override;
    std::int32_t CursorPosition(std::int64_t& x, std::int64_t& y) override;
    void ZoomOpen() override;
    void ZoomClose() override;
    void SetMousePointer(DialogPointer pointer) override;
    std::int32_t ChooseFile(const std::wstring& initialFolder, std::wstring& path) override;
    SaveOutcome WriteSettings(std::span<const IniValue> values) override;
    void ShowSaveFailure(const char* text) override;
    void UnloadForm() override;
    std::string UrlCaption() override;
    void OpenDocument(const std::string& file) override;

    BgmSettings& settings_;
    std::wstring programFolder_;
    SettingsDialogSteps steps_;
};

} // namespace lumo
