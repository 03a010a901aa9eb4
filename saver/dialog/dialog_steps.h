#pragma once
// What the settings window does, without the platform: its opening steps, the choice of the
// music kind, the file chooser's outcome, saving, cancelling, closing and the link. The window
// (settings_dialog.h) carries these out through DialogHost, and tests through a fake.

#include "settings.h"

#include <cstdint>
#include <string>

namespace lumo {

// Texts of the window (code page 932) shared by the window and its steps.
inline constexpr char kWebAddress[] = "https://lumovane.example/";

// The window's place: centred across the screen, at one third of the free height from the top.
// All in twips; each difference is rounded to a whole number (halves to even), then divided
// with the fraction dropped.
struct DialogPlace {
    std::int64_t left = 0;
    std::int64_t top = 0;
};
DialogPlace PlaceDialog(double screenWidth, double screenHeight, double windowWidth,
                        double windowHeight);

enum class DialogPointer { Default, Wait };

// The window's door to its controls and to Windows. A method that stands for a failing
// statement (a missing control array element, say) throws; the steps skip it.
class DialogHost {
  public:
    virtual ~DialogHost() = default;
    // Outer sizes in twips, and the window's move to a place.
    virtual double ScreenWidth() = 0;
    virtual double ScreenHeight() = 0;
    virtual double WindowWidth() = 0;
    virtual double WindowHeight() = 0;
    virtual void MoveWindow(double left, double top) = 0;
    // Initialize of every Command button on the window, in whatever container it stands.
    virtual void InitializeCommandButtons() = 0;
    virtual void SetRepeatEnabled(bool enabled) = 0;                // BGM_Repeat
    virtual void SetFileButtonEnabled(int index, bool enabled) = 0; // Cmd_File(index)
    // Img_BGM(mark) takes the picture of Img_Ra(picture); a missing element throws.
    virtual void SetMarkPicture(int mark, int picture) = 0;
    virtual void SetRepeatText(const std::string& text) = 0;
    virtual std::string RepeatText() = 0;
    virtual void AddRepeatItem(const std::string& item) = 0;
    virtual void SetFileCaption(int index, const std::string& caption) = 0; // lbl_Fname(index)
    // GetCursorPos: the call's result (non-zero on success) and the position in screen pixels.
    virtual std::int32_t CursorPosition(std::int64_t& x, std::int64_t& y) = 0;
    virtual void ZoomOpen() = 0;
    virtual void ZoomClose() = 0;
    virtual void SetMousePointer(DialogPointer pointer) = 0;
    // GetOpenFileNameA opened in `initialFolder`: its result and, when it is above 0, the chosen
    // path (the file buffer up to its first NUL).
    virtual std::int32_t ChooseFile(const std::string& initialFolder, std::string& path) = 0;
    virtual std::string ProgramFolder() = 0;
    virtual void WriteIni(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& path) = 0;
    virtual void UnloadForm() = 0;
    virtual std::string UrlCaption() = 0;
    // ShellExecuteA "open" of the text with a normal window; the result is not looked at.
    virtual void OpenDocument(const std::string& file) = 0;
};

class SettingsDialogSteps {
  public:
    SettingsDialogSteps(DialogHost& host, BgmSettings& settings, std::int32_t& apiResult)
        : host_(host), settings_(settings), apiResult_(apiResult) {}

    void Form_Load();
    void Form_Unload();
    // A press of any mouse button on Img_BGM(kind) or lbl_BGM(kind).
    void SelectBgmKind(int kind);
    void Cmd_File_Click(int index);
    void Cmd_Set_Click();
    void Cmd_Can_Click();
    void lbl_URL_Click();

  private:
    void ShowMarks(int selected);

    DialogHost& host_;
    BgmSettings& settings_;
    std::int32_t& apiResult_;
};

} // namespace lumo
