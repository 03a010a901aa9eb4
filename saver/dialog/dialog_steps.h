#pragma once
// What the settings window does, without the platform: its opening steps, the choice of the
// music kind, the file chooser's outcome, saving, cancelling, closing and the link. The window
// (settings_dialog.h) carries these out through DialogHost, and tests through a fake.

#include "settings.h"

#include <cstdint>
#include <span>
#include <string>

namespace lumo {

// Texts of the window (code page 932) shared by the window and its steps.
inline constexpr char kWebAddress[] = "https://lumovane.example/";
// 設定を保存できませんでした。(blank line)
// ﾌﾟﾛｸﾞﾗﾑのﾌｫﾙﾀﾞに書き込めません。設定はﾌﾟﾛｸﾞﾗﾑと同じﾌｫﾙﾀﾞに
// 保存されます。ﾌﾟﾛｸﾞﾗﾑは書き込みのできるﾌｫﾙﾀﾞ（ご自分のﾕｰｻﾞｰﾌｫﾙﾀﾞの中など）に置いてください。
inline constexpr char kSaveFailedText[] =
    "\x90\xDD\x92\xE8\x82\xF0\x95\xDB\x91\xB6\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x82\xC5"
    "\x82\xB5\x82\xBD\x81\x42\x0D\x0A\x0D\x0A\xCC\xDF\xDB\xB8\xDE\xD7\xD1\x82\xCC\xCC\xAB\xD9"
    "\xC0\xDE\x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1\x81\x42\x90\xDD"
    "\x92\xE8\x82\xCD\xCC\xDF\xDB\xB8\xDE\xD7\xD1\x82\xC6\x93\xAF\x82\xB6\xCC\xAB\xD9\xC0\xDE"
    "\x82\xC9\x95\xDB\x91\xB6\x82\xB3\x82\xEA\x82\xDC\x82\xB7\x81\x42\xCC\xDF\xDB\xB8\xDE\xD7"
    "\xD1\x82\xCD\x8F\x91\x82\xAB\x8D\x9E\x82\xDD\x82\xCC\x82\xC5\x82\xAB\x82\xE9\xCC\xAB\xD9"
    "\xC0\xDE\x81\x69\x82\xB2\x8E\xA9\x95\xAA\x82\xCC\xD5\xB0\xBB\xDE\xB0\xCC\xAB\xD9\xC0\xDE"
    "\x82\xCC\x92\x86\x82\xC8\x82\xC7\x81\x6A\x82\xC9\x92\x75\x82\xA2\x82\xC4\x82\xAD\x82\xBE"
    "\x82\xB3\x82\xA2\x81\x42";
// 設定を保存できませんでした。 (blank line)
// 設定ﾌｧｲﾙ（ルモヴェイン.ini）を他のﾌﾟﾛｸﾞﾗﾑが使用中か、読み取り専用
// になっています。そのﾌﾟﾛｸﾞﾗﾑを閉じるか読み取り専用を解除してから、もう一度
// 「設定」を押してください。
inline constexpr char kSaveLockedText[] =
    "\x90\xDD\x92\xE8\x82\xF0\x95\xDB\x91\xB6\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x82\xC5"
    "\x82\xB5\x82\xBD\x81\x42\x0D\x0A\x0D\x0A\x90\xDD\x92\xE8\xCC\xA7\xB2\xD9\x81\x69\x83\x8B"
    "\x83\x82\x83\x94\x83\x46\x83\x43\x83\x93\x2E\x69\x6E\x69\x81\x6A\x82\xF0\x91\xBC\x82\xCC"
    "\xCC\xDF\xDB\xB8\xDE\xD7\xD1\x82\xAA\x8E\x67\x97\x70\x92\x86\x82\xA9\x81\x41\x93\xC7\x82"
    "\xDD\x8E\xE6\x82\xE8\x90\xEA\x97\x70\x82\xC9\x82\xC8\x82\xC1\x82\xC4\x82\xA2\x82\xDC\x82"
    "\xB7\x81\x42\x82\xBB\x82\xCC\xCC\xDF\xDB\xB8\xDE\xD7\xD1\x82\xF0\x95\xC2\x82\xB6\x82\xE9"
    "\x82\xA9\x93\xC7\x82\xDD\x8E\xE6\x82\xE8\x90\xEA\x97\x70\x82\xF0\x89\xF0\x8F\x9C\x82\xB5"
    "\x82\xC4\x82\xA9\x82\xE7\x81\x41\x82\xE0\x82\xA4\x88\xEA\x93\x78\x81\x75\x90\xDD\x92\xE8"
    "\x81\x76\x82\xF0\x89\x9F\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42";
// 設定を保存できませんでした。 (blank line)
// 設定ﾌｧｲﾙ（ルモヴェイン.ini）を読み込めないか、大きすぎます。ﾌｧｲﾙを確
// 認してから、もう一度「設定」を押してください。
inline constexpr char kSaveUnreadableText[] =
    "\x90\xDD\x92\xE8\x82\xF0\x95\xDB\x91\xB6\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x82\xC5"
    "\x82\xB5\x82\xBD\x81\x42\x0D\x0A\x0D\x0A\x90\xDD\x92\xE8\xCC\xA7\xB2\xD9\x81\x69\x83\x8B"
    "\x83\x82\x83\x94\x83\x46\x83\x43\x83\x93\x2E\x69\x6E\x69\x81\x6A\x82\xF0\x93\xC7\x82\xDD"
    "\x8D\x9E\x82\xDF\x82\xC8\x82\xA2\x82\xA9\x81\x41\x91\xE5\x82\xAB\x82\xB7\x82\xAC\x82\xDC"
    "\x82\xB7\x81\x42\xCC\xA7\xB2\xD9\x82\xF0\x8A\x6D\x94\x46\x82\xB5\x82\xC4\x82\xA9\x82\xE7"
    "\x81\x41\x82\xE0\x82\xA4\x88\xEA\x93\x78\x81\x75\x90\xDD\x92\xE8\x81\x76\x82\xF0\x89\x9F"
    "\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42";
// 設定を保存できませんでした。 (blank line)
// ﾌﾟﾛｸﾞﾗﾑのﾌｫﾙﾀﾞのﾊﾟｽが長すぎます。ﾌﾟﾛｸﾞﾗﾑをもっと短いﾊﾟｽ
// のﾌｫﾙﾀﾞに置いてください。
inline constexpr char kSavePathTooLongText[] =
    "\x90\xDD\x92\xE8\x82\xF0\x95\xDB\x91\xB6\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x82\xC5"
    "\x82\xB5\x82\xBD\x81\x42\x0D\x0A\x0D\x0A\xCC\xDF\xDB\xB8\xDE\xD7\xD1\x82\xCC\xCC\xAB\xD9"
    "\xC0\xDE\x82\xCC\xCA\xDF\xBD\x82\xAA\x92\xB7\x82\xB7\x82\xAC\x82\xDC\x82\xB7\x81\x42\xCC"
    "\xDF\xDB\xB8\xDE\xD7\xD1\x82\xF0\x82\xE0\x82\xC1\x82\xC6\x92\x5A\x82\xA2\xCA\xDF\xBD\x82"
    "\xCC\xCC\xAB\xD9\xC0\xDE\x82\xC9\x92\x75\x82\xA2\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2"
    "\x81\x42";
// 設定を保存できませんでした。 (blank line)
// 設定ﾌｧｲﾙを書き込めませんでした。ﾃﾞｨｽｸがいっぱいか、取り外された可能性が
// あります。空きを作ってから、もう一度「設定」を押してください。
inline constexpr char kSaveWriteFailedText[] =
    "\x90\xDD\x92\xE8\x82\xF0\x95\xDB\x91\xB6\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x82\xC5"
    "\x82\xB5\x82\xBD\x81\x42\x0D\x0A\x0D\x0A\x90\xDD\x92\xE8\xCC\xA7\xB2\xD9\x82\xF0\x8F\x91"
    "\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD\x81\x42\xC3\xDE"
    "\xA8\xBD\xB8\x82\xAA\x82\xA2\x82\xC1\x82\xCF\x82\xA2\x82\xA9\x81\x41\x8E\xE6\x82\xE8\x8A"
    "\x4F\x82\xB3\x82\xEA\x82\xBD\x89\xC2\x94\x5C\x90\xAB\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82"
    "\xB7\x81\x42\x8B\xF3\x82\xAB\x82\xF0\x8D\xEC\x82\xC1\x82\xC4\x82\xA9\x82\xE7\x81\x41\x82"
    "\xE0\x82\xA4\x88\xEA\x93\x78\x81\x75\x90\xDD\x92\xE8\x81\x76\x82\xF0\x89\x9F\x82\xB5\x82"
    "\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42";

// The message for a save that failed, naming its cause (code page 932).
const char* SaveFailureText(SaveOutcome outcome);

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
    virtual void SetFileCaption(int index, const std::wstring& caption) = 0; // lbl_Fname(index)
    // GetCursorPos: the call's result (non-zero on success) and the position in screen pixels.
    virtual std::int32_t CursorPosition(std::int64_t& x, std::int64_t& y) = 0;
    virtual void ZoomOpen() = 0;
    virtual void ZoomClose() = 0;
    virtual void SetMousePointer(DialogPointer pointer) = 0;
    // GetOpenFileNameW opened in `initialFolder`: its result and, when it is above 0, the chosen
    // path (the file buffer up to its first NUL).
    virtual std::int32_t ChooseFile(const std::wstring& initialFolder, std::wstring& path) = 0;
    // Writes the keys to the settings file beside the program in one step; when it could not
    // be written, an earlier file is as it was and the outcome says why.
    virtual SaveOutcome WriteSettings(std::span<const IniValue> values) = 0;
    // The message box over the window that says the settings could not be saved, and why.
    virtual void ShowSaveFailure(const char* text) = 0;
    virtual void UnloadForm() = 0;
    virtual std::string UrlCaption() = 0;
    // ShellExecuteW "open" of the text with a normal window; the result is not looked at.
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
