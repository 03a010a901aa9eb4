#include "settings_dialog.h"

#include "application.h"
#include "background_shading.h"
#include "dialog_design.h"
#include "dialog_resources.h"
#include "open_file_record.h"
#include "program_names.h"
#include "program_services.h"
#include "settings_file.h"
#include "skip_on_error.h"
#include "wide_text.h"
#include "zoom_animation.h"

#include <oleacc.h>
#include <shellapi.h>

#include <functional>

namespace lumo {

namespace {

HCURSOR HandPointer() {
    // Shared from the program's resources: the system frees it with the program.
    return ::LoadCursorW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_DIALOG_HAND));
}

// One line per pixel row in the colour of that row; kept in the persistent image.
void PaintShading(Surface& surface, RowColour (*colourOf)(std::int32_t, double)) {
    surface.SetScaleMode(ScaleMode::Pixels);
    const double height = surface.ScaleHeight();
    const double width = surface.ScaleWidth();
    const std::int32_t last = LastShadedRow(height);
    for (std::int32_t y = 0; y <= last; ++y) {
        const RowColour c = colourOf(y, height);
        surface.Line(
            0, y, width, y,
            RGB(static_cast<BYTE>(c.red), static_cast<BYTE>(c.green), static_cast<BYTE>(c.blue)));
    }
    surface.Refresh();
}

// Initialize of every Command button, also of those inside other controls.
void InitializeButtonsIn(const Container& container) {
    for (ControlBase* child : container.Children()) {
        if (auto* button = dynamic_cast<Command*>(child)) {
            SkipOnError([&] { button->Initialize(); });
        }
        if (const auto* inner = dynamic_cast<const Container*>(child)) {
            InitializeButtonsIn(*inner);
        }
    }
}

} // namespace

Lumovane_P::Lumovane_P(BgmSettings& settings, std::int32_t& apiResult, std::wstring programFolder)
    : Form(DialogWindowDesign()), Panel(Pic_C.Add(*this, PanelDesign())),
      BGM_Repeat(Panel, RepeatBoxDesign()), lbl_URL(*this, UrlDesign(HandPointer())),
      Cmd_Set(*this, SaveButtonDesign()), Cmd_Can(*this, CancelButtonDesign()), settings_(settings),
      programFolder_(std::move(programFolder)),
      steps_(static_cast<DialogHost&>(*this), settings, apiResult) {
    // The music group, row by row as it stands in the panel.
    Shape3.Add(Panel, GroupFrameDesign());
    lbl.Add(Panel, GroupTitleDesign());
    for (const int kind : {1, 0, 2}) {
        Img_BGM.Add(Panel, KindMarkDesign(kind));
        lbl_BGM.Add(Panel, KindLabelDesign(kind));
    }
    lbl.Add(Panel, RepeatLabelDesign());
    Cmd_File.Add(Panel, FileButtonDesign());
    lbl_Fname.Add(Panel, FileNameDesign());
    // Below the panel.
    lbl.Add(*this, CreditDesign());
    Img_Ra.Add(*this, MarkPictureDesign(0, Picture::FromResourceOrEmpty(IDR_DIALOG_MARK_OFF)));
    Img_Ra.Add(*this, MarkPictureDesign(1, Picture::FromResourceOrEmpty(IDR_DIALOG_MARK_ON)));

    SetTabOrder({&lbl[7], &Panel, &BGM_Repeat, &lbl_Fname[0], &lbl_BGM[0], &lbl_BGM[2], &lbl_BGM[1],
                 &lbl[14], &lbl[15], &Cmd_File[0], &Cmd_Set, &Cmd_Can, &lbl_URL});

    // A press of any mouse button chooses the kind; it does not wait for the release.
    Img_BGM.Handle(&GraphicControl::OnMouseDown,
                   [this](int kind, const MouseEvent&) { ChooseKind(kind); });
    lbl_BGM.Handle(&Label::OnMouseDown, [this](int kind, const MouseEvent&) { ChooseKind(kind); });
    Cmd_File.Handle(&Command::OnClick, [this](int index) { steps_.Cmd_File_Click(index); });
    Cmd_Set.OnClick = [this] { steps_.Cmd_Set_Click(); };
    Cmd_Can.OnClick = [this] { steps_.Cmd_Can_Click(); };
    lbl_URL.OnClick = [this] { steps_.lbl_URL_Click(); };
    DescribeForScreenReaders();
}

void Lumovane_P::DescribeForScreenReaders() {
    Panel.SetAccessibleRole(ROLE_SYSTEM_GROUPING);
    Panel.SetAccessibleName(lbl[15].Caption());
    // The marks are the choices (a radio button each), named by the labels beside them; the
    // labels stay text.
    for (const int kind : {1, 0, 2}) {
        Img_BGM[kind].SetAccessibleRole(ROLE_SYSTEM_RADIOBUTTON);
        Img_BGM[kind].SetAccessibleName(lbl_BGM[kind].Caption());
        Img_BGM[kind].SetAccessibleAction(FromCp932(kActionChoose),
                                          [this, kind] { ChooseKind(kind); });
    }
    BGM_Repeat.SetAccessibleName(lbl[14].Caption());
    Cmd_File[0].SetAccessibleName(FromCp932(kAccessibleFileButton));
    lbl_Fname[0].SetAccessibleRole(ROLE_SYSTEM_TEXT);
    lbl_Fname[0].SetAccessibleName(FromCp932(kAccessibleFileName));
    lbl_URL.SetAccessibleRole(ROLE_SYSTEM_LINK);
    lbl_URL.SetAccessibleState(STATE_SYSTEM_LINKED);
    lbl_URL.SetAccessibleAction(FromCp932(kActionOpen)); // as a click on it
}

void Lumovane_P::ChooseKind(int kind) {
    const int before = settings_.BgmKind;
    steps_.SelectBgmKind(kind);
    if (kind == before) {
        return; // nothing that shows has changed
    }
    for (const int changed : {before, kind}) {
        if (Img_BGM.Contains(changed)) {
            Img_BGM[changed].NotifyAccessible(EVENT_OBJECT_STATECHANGE);
        }
    }
}

void Lumovane_P::Form_Load() {
    steps_.Form_Load();
}

void Lumovane_P::Form_Unload(bool& /*cancel*/) {
    steps_.Form_Unload();
}

void Lumovane_P::Form_Resize() {
    SkipOnError([&] { PaintShading(Picture(), &WindowRowColour); });
    SkipOnError([&] { PaintShading(Panel.Picture(), &PanelRowColour); });
}

double Lumovane_P::ScreenWidth() {
    return app::ScreenWidthTwips();
}

double Lumovane_P::ScreenHeight() {
    return app::ScreenHeightTwips();
}

double Lumovane_P::WindowWidth() {
    return Width();
}

double Lumovane_P::WindowHeight() {
    return Height();
}

void Lumovane_P::MoveWindow(double left, double top) {
    Move(left, top, Width(), Height());
}

void Lumovane_P::InitializeCommandButtons() {
    InitializeButtonsIn(*this);
}

void Lumovane_P::SetRepeatEnabled(bool enabled) {
    BGM_Repeat.SetEnabled(enabled);
}

void Lumovane_P::SetFileButtonEnabled(int index, bool enabled) {
    Cmd_File[index].SetButtonEnabled(enabled);
}

void Lumovane_P::SetMarkPicture(int mark, int picture) {
    Img_BGM[mark].SetPicture(Img_Ra[picture].GetPicture());
    Img_BGM[mark].SetAccessibleState(picture == 1 ? STATE_SYSTEM_CHECKED : 0);
}

void Lumovane_P::SetRepeatText(const std::string& text) {
    BGM_Repeat.SetText(FromCp932(text));
}

std::string Lumovane_P::RepeatText() {
    // A character with no code page 932 form makes the text no track number.
    return ToCp932(BGM_Repeat.Text()).value_or("?");
}

void Lumovane_P::AddRepeatItem(const std::string& item) {
    BGM_Repeat.AddItem(FromCp932(item));
}

void Lumovane_P::SetFileCaption(int index, const std::wstring& caption) {
    lbl_Fname[index].SetCaption(caption);
}

std::int32_t Lumovane_P::CursorPosition(std::int64_t& x, std::int64_t& y) {
    POINT at{};
    const BOOL got = ::GetCursorPos(&at);
    x = at.x;
    y = at.y;
    return got;
}

void Lumovane_P::ZoomOpen() {
    lumo::ZoomOpen(Hwnd());
}

void Lumovane_P::ZoomClose() {
    lumo::ZoomClose(Hwnd());
}

void Lumovane_P::SetMousePointer(DialogPointer pointer) {
    app::SetMousePointer(pointer == DialogPointer::Wait ? app::MousePointer::Wait
                                                        : app::MousePointer::Default);
}

std::int32_t Lumovane_P::ChooseFile(const std::wstring& initialFolder, std::wstring& path) {
    OpenFileRecord record(Hwnd(), ::GetModuleHandleW(nullptr), initialFolder);
    const BOOL result = ::GetOpenFileNameW(&record.Record());
    if (result > 0) {
        path = record.ChosenPath();
    }
    return result;
}

SaveOutcome Lumovane_P::WriteSettings(std::span<const IniValue> values) {
    return WriteIni(kIniSection, values, SettingsFilePath(programFolder_));
}

void Lumovane_P::ShowSaveFailure(const char* text) {
    program::MessageBoxOk(text, kProgramTitle, Hwnd());
}

void Lumovane_P::UnloadForm() {
    Form::Unload();
}

std::string Lumovane_P::UrlCaption() {
    return ToCp932(lbl_URL.Caption()).value_or(std::string{});
}

void Lumovane_P::OpenDocument(const std::string& file) {
    ::ShellExecuteW(Hwnd(), L"open", FromCp932(file).c_str(), L"", L"", SW_SHOWNORMAL);
}

} // namespace lumo
