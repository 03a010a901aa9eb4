#include "dialog_design.h"

#include "dialog_steps.h"
#include "program_names.h"
#include "wide_text.h"

namespace lumo {

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

ControlDesign At(double left, double top, double width, double height, int index = -1) {
    ControlDesign design{left, top, width, height};
    design.index = index;
    return design;
}

// A one-line caption in the design font, black, transparent. On one line, a caption a little
// wider than its label (fonts differ between systems) loses its last pixels, not whole words.
LabelDesign Text(ControlDesign at, const char* caption) {
    LabelDesign design;
    design.control = at;
    design.caption = FromCp932(caption);
    design.wordWrap = false;
    return design;
}

UserControlDesign Button(ControlDesign at, const char* caption) {
    UserControlDesign design;
    design.control = at;
    design.properties = ButtonRecord(caption);
    return design;
}

} // namespace

PropertyBag ButtonRecord(const std::string& caption) {
    return PropertyBag{{"caption", caption}, {"font", FontDesign{}}};
}

FormDesign DialogWindowDesign() {
    FormDesign design;
    design.caption = FromCp932(kDialogCaption);
    design.border = BorderStyle::FixedSingle;
    design.clientWidth = 7440;
    design.clientHeight = 3645;
    design.backColour = RGB(0xC0, 0xC0, 0xC0);
    design.controlBox = true;
    design.minButton = false;
    design.maxButton = false;
    design.showInTaskbar = false;
    design.programIcon = true;
    return design;
}

PictureBoxDesign PanelDesign() {
    PictureBoxDesign design;
    design.control = At(180, 240, 7035, 2475, 0);
    design.backColour = RGB(0xE0, 0xE0, 0xE0);
    design.border = false;
    return design;
}

LabelDesign CreditDesign() {
    LabelDesign design = Text(At(180, 2850, 4500, 195, 7), kCaptionCredit);
    design.foreColour = kWhite;
    return design;
}

LabelDesign UrlDesign(HCURSOR hand) {
    LabelDesign design = Text(At(180, 3120, 3285, 195), kWebAddress);
    design.foreColour = kWhite;
    design.font.underline = true;
    design.mouseIcon = hand;
    return design;
}

UserControlDesign SaveButtonDesign() {
    return Button(At(4860, 3000, 1155, 375), kCaptionSave);
}

UserControlDesign CancelButtonDesign() {
    return Button(At(6060, 3000, 1155, 375), kCaptionCancel);
}

ImageDesign MarkPictureDesign(int index, const Picture& picture) {
    // Outside the window's inner area: never seen, only lent to the marks.
    return ImageDesign{At(8040, index == 0 ? 300 : 600, 180, 180, index), picture, false};
}

ShapeDesign GroupFrameDesign() {
    ShapeDesign design;
    design.control = At(300, 300, 1695, 315, 3);
    design.borderColour = RGB(0, 0, 0);
    design.borderWidth = 1;
    design.fillStyle = FillStyle::Transparent;
    return design;
}

LabelDesign GroupTitleDesign() {
    LabelDesign design = Text(At(300, 360, 1665, 195, 15), kCaptionGroup);
    design.align = TextAlign::Centre;
    return design;
}

ImageDesign KindMarkDesign(int kind) {
    // On the screen the rows run 音楽CD (1), なし (0), MP3、WAV (2).
    const double top = kind == 1 ? 840 : kind == 0 ? 1140 : 1440;
    return ImageDesign{At(420, top, 195, 195, kind), Picture{}, false};
}

LabelDesign KindLabelDesign(int kind) {
    switch (kind) {
    case 0:
        return Text(At(660, 1140, 330, 195, 0), kCaptionNone);
    case 1:
        return Text(At(660, 840, 645, 195, 1), kCaptionMusicCd);
    default:
        return Text(At(660, 1440, 900, 195, 2), kCaptionMusicFile);
    }
}

ComboBoxDesign RepeatBoxDesign() {
    ComboBoxDesign design;
    design.control = At(1680, 780, 615, 300);
    return design; // a white field in the design font
}

LabelDesign RepeatLabelDesign() {
    return Text(At(2340, 840, 990, 195, 14), kCaptionRepeat);
}

UserControlDesign FileButtonDesign() {
    return Button(At(420, 1740, 615, 315, 0), kCaptionChoose);
}

LabelDesign FileNameDesign() {
    LabelDesign design = Text(At(1080, 1740, 5595, 495, 0), "");
    design.wordWrap = true; // two lines high, for a long path
    return design;
}

} // namespace lumo
