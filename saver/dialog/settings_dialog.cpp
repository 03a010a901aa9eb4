#include "settings_dialog.h"

#include "entry.h"

namespace lumo {

namespace {

FormDesign DialogDesign() {
    FormDesign design;
    design.caption = kDialogCaption;
    design.border = BorderStyle::FixedSingle;
    design.clientWidth = 7440;
    design.clientHeight = 3645;
    design.backColour = RGB(0xC0, 0xC0, 0xC0);
    design.showInTaskbar = false;
    return design;
}

} // namespace

Lumovane_P::Lumovane_P() : Form(DialogDesign()) {}

} // namespace lumo
