#pragma once
// The preview form, Lumovane_R: a borderless black form with a still of the effect as its
// background and a second still in Img_Prev. The preview start makes it a child of the window
// the display settings hand over and sizes it to fill that window; when the host destroys its
// window the form goes with it and the program ends.

#include "form.h"
#include "image.h"
#include "preview_start.h"
#include "timer.h"

#include <cstdint>

namespace lumo {

inline constexpr char kPreviewCaption[] = "Preview Window";

class Lumovane_R final : public Form, private PreviewHost {
  public:
    Lumovane_R();

    // The preview start inside `parentWindow`; false when the handle names no window, and then
    // nothing was loaded.
    bool Start(std::int32_t parentWindow);

    Image Img_Prev;

  private:
    // PreviewHost
    bool ParentSize(std::int32_t parentWindow, int& width, int& height) override;
    void LoadForm() override;
    void AddChildStyle() override;
    void SetParent(std::int32_t parentWindow) override;
    void PlaceForm(int width, int height) override;
    void PlaceImage(int width, int height) override;
    void ShowForm() override;

    // Catches a host that goes without destroying its window properly (a host process that is
    // killed): the form must not outlive the window it was shown in.
    Timer ParentWatch;
    HWND parent_ = nullptr;
};

// The parent handle of the command line as a window handle: 32 significant bits, sign-extended
// as Windows does for handles passed between processes.
HWND WindowFromCommandLine(std::int32_t handle);

} // namespace lumo
