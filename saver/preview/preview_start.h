#pragma once
// Starting the preview inside the window the display settings hand over: the form becomes a
// child of that window and fills it. The steps are platform-free; PreviewHost is their door to
// Windows (the preview form, preview_form.h) and to fakes in tests.

#include <cstdint>

namespace lumo {

class PreviewHost {
  public:
    virtual ~PreviewHost() = default;
    // The parent's outer size in pixels; false when the handle names no window.
    virtual bool ParentSize(std::int32_t parentWindow, int& width, int& height) = 0;
    virtual void LoadForm() = 0;      // the form's window exists, hidden
    virtual void AddChildStyle() = 0; // WS_CHILD added, every other style bit kept
    virtual void SetParent(std::int32_t parentWindow) = 0;
    virtual void PlaceForm(int width, int height) = 0;  // at (0, 0) of the parent's client area
    virtual void PlaceImage(int width, int height) = 0; // Img_Prev sized, then put at (0, 0)
    virtual void ShowForm() = 0;                        // modeless, without an owner
};

// Runs the preview start. Returns whether the form was shown: with a handle that names no
// window nothing is loaded, so the process has nothing to live for and ends, instead of keeping
// an invisible form of no size alive for ever.
bool StartPreview(PreviewHost& host, std::int32_t parentWindow);

} // namespace lumo
