#pragma once
// A container with a persistent drawing surface of its own (a form, a picture box, a user
// control): what is drawn into it stays, also while its window is hidden, and its window
// repaints from it.

#include "container.h"
#include "font_design.h"
#include "picture.h"
#include "surface.h"

#include <windows.h>

#include <optional>

namespace lumo {

class SurfaceContainer : public Container {
  public:
    Surface& Picture() { return picture_; }
    const Surface& Picture() const { return picture_; }
    // Inner size in the surface's drawing unit.
    double ScaleWidth() const { return picture_.ScaleWidth(); }
    double ScaleHeight() const { return picture_.ScaleHeight(); }
    // A new background picture: the persistent image is cleared to it (and what was drawn goes).
    void SetPicture(const lumo::Picture& picture);

    const Surface* Background() const override { return &picture_; }
    const FontDesign& ContainerFont() const override { return font_; }

  protected:
    // No back colour: the system's button face.
    SurfaceContainer(std::optional<COLORREF> backColour, const lumo::Picture& picture,
                     const FontDesign& font);

    // The window exists: the surface takes its size, is cleared and the children get windows.
    void AttachSurface();
    // The messages every such container answers alike (erase, paint, child notifications,
    // size, destroy): the answer, or none when the message is left to the caller.
    std::optional<LRESULT> HandleSurfaceMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // After the surface has followed a new size of the window.
    virtual void Resized() {}

  private:
    void ResizeSurfaceToClient();

    FontDesign font_;
    Surface picture_;
};

} // namespace lumo
