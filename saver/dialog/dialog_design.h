#pragma once
// The stored design of the settings window Lumovane_P: the window, and every control with its
// place (twips, in its container's inner area), caption, font, colours and index.

#include "combo_box.h"
#include "form.h"
#include "image.h"
#include "label.h"
#include "picture_box.h"
#include "property_bag.h"
#include "shape.h"
#include "user_control.h"

#include <string>

namespace lumo {

// Captions, code page 932.
inline constexpr char kCaptionNone[] = "\x82\xC8\x82\xB5"; // なし
inline constexpr char kCaptionMusicCd[] = "\x89\xB9\x8A\x79"
                                          "CD";               // 音楽CD
inline constexpr char kCaptionMusicFile[] = "MP3\x81\x41WAV"; // MP3、WAV
inline constexpr char kCaptionRepeat[] =
    "\x8B\xC8\x96\xDA\x82\xF0\xD8\xCB\xDF\xB0\xC4"; // 曲目をﾘﾋﾟｰﾄ
inline constexpr char kCaptionGroup[] = "BGM";
inline constexpr char kCaptionSave[] = "\x90\xDD\x92\xE8";       // 設定
inline constexpr char kCaptionCancel[] = "\xB7\xAC\xDD\xBE\xD9"; // ｷｬﾝｾﾙ
inline constexpr char kCaptionChoose[] = "...";
// What screen readers are told where no caption says it: the file button's name, the path's
// name, and the default actions of the kinds and of the link.
inline constexpr char kAccessibleFileButton[] = "\x89\xB9\x8A\x79\x83\x74\x83\x40\x83\x43\x83\x8B"
                                                "\x82\xF0\x91\x49\x82\xD4"; // 音楽ファイルを選ぶ
inline constexpr char kAccessibleFileName[] =
    "\x89\xB9\x8A\x79\x83\x74\x83\x40\x83\x43\x83\x8B";     // 音楽ファイル
inline constexpr char kActionChoose[] = "\x91\x49\x82\xD4"; // 選ぶ
inline constexpr char kActionOpen[] = "\x8A\x4A\x82\xAD";   // 開く
// ルモヴェイン (ScreenSaver)  Ver 1.00
inline constexpr char kCaptionCredit[] =
    "\x83\x8B\x83\x82\x83\x94\x83\x46\x83\x43\x83\x93 (ScreenSaver)  Ver 1.00";

FormDesign DialogWindowDesign();

// On the window.
PictureBoxDesign PanelDesign();                                   // Pic_C(0)
LabelDesign CreditDesign();                                       // lbl(7)
LabelDesign UrlDesign(HCURSOR hand);                              // lbl_URL
UserControlDesign SaveButtonDesign();                             // Cmd_Set
UserControlDesign CancelButtonDesign();                           // Cmd_Can
ImageDesign MarkPictureDesign(int index, const Picture& picture); // Img_Ra(0), Img_Ra(1)

// In the panel.
ShapeDesign GroupFrameDesign();        // Shape3(3)
LabelDesign GroupTitleDesign();        // lbl(15)
ImageDesign KindMarkDesign(int kind);  // Img_BGM(kind)
LabelDesign KindLabelDesign(int kind); // lbl_BGM(kind)
ComboBoxDesign RepeatBoxDesign();      // BGM_Repeat
LabelDesign RepeatLabelDesign();       // lbl(14)
UserControlDesign FileButtonDesign();  // Cmd_File(0)
LabelDesign FileNameDesign();          // lbl_Fname(0)

// What a Command button's design stores: its caption and font, nothing else.
PropertyBag ButtonRecord(const std::string& caption);

} // namespace lumo
