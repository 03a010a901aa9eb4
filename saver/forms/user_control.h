#pragma once
// The base of user controls: a child window with its own persistent drawing surface that may
// hold controls of its own (windowless captions, images, lines), with the events of the form
// runtime's user controls and the services their host gives them:
// - a stored record of named entries with defaults, kept by the host form's design: the
//   control reads it back (ReadProperties) every time the form loads, and writes it
//   (WriteProperties) when the design is saved (SaveProperties);
// - change notification: PropertyChanged tells the host that a stored property changed;
// - the container's ambient font and the parent form's window;
// - declared events: handlers (std::function members) that the form sets on the control and
//   the control raises.

#include "control.h"
#include "font_design.h"
#include "mouse_event.h"
#include "property_bag.h"
#include "surface.h"
#include "surface_container.h"

#include <functional>
#include <optional>
#include <set>
#include <string>

namespace lumo {

struct UserControlDesign {
    ControlDesign control;
    // What the form's design stores for this instance; none for a control placed anew, which
    // gets InitProperties instead of ReadProperties.
    std::optional<PropertyBag> properties;
    std::optional<COLORREF> backColour; // none: the system's button face
    FontDesign font;                    // the control's own font, for what it holds
};

enum class BackStyle { Transparent, Opaque };

class UserControl : public Control, public SurfaceContainer {
  public:
    // Opaque shows the persistent image; transparent shows the container through the control,
    // with the control's windowless controls still over it.
    void SetBackStyle(BackStyle style);
    BackStyle GetBackStyle() const { return backStyle_; }

    // The host's services.
    const FontDesign& AmbientFont() const { return Parent().ContainerFont(); }
    HWND ParentFormWindow() const override { return Parent().ParentFormWindow(); }
    // Saves the design: WriteProperties into a fresh record, which becomes the stored one.
    void SaveProperties();
    const PropertyBag& StoredProperties() const { return stored_; }
    // Names of the properties changed since the design was last saved.
    const std::set<std::string>& ChangedProperties() const { return changed_; }
    // The host's listener for PropertyChanged.
    std::function<void(const std::string& name)> OnPropertyChanged;

    HWND ContainerWindow() const override { return Hwnd(); }
    Form& ParentForm() override { return Parent().ParentForm(); }

  protected:
    UserControl(Container& parent, const UserControlDesign& design);

    // The events of a user control. Positions are in the surface's drawing unit.
    virtual void UserControl_InitProperties() {}
    virtual void UserControl_ReadProperties(const PropertyBag& /*record*/) {}
    virtual void UserControl_WriteProperties(PropertyBag& /*record*/) {}
    virtual void UserControl_Resize() {}
    // Before the window is painted from the persistent image.
    virtual void UserControl_Paint() {}
    virtual void UserControl_MouseDown(const MouseEvent& /*event*/) {}
    virtual void UserControl_MouseUp(const MouseEvent& /*event*/) {}
    virtual void UserControl_MouseMove(const MouseEvent& /*event*/) {}
    virtual void UserControl_GotFocus() {}
    virtual void UserControl_LostFocus() {}

    // Tells the host that a stored property changed.
    void PropertyChanged(const std::string& name);

    const wchar_t* ClassName() const override;
    DWORD Style() const override { return WS_CLIPCHILDREN | WS_TABSTOP; }
    void Created() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintBase(HDC target, int x, int y, const RECT& area) const override;
    void Resized() override;

  private:
    void OwnMouse(UINT message, WPARAM wParam, LPARAM lParam);

    BackStyle backStyle_ = BackStyle::Opaque;
    std::optional<PropertyBag> loaded_; // the design's record, read when the window is made
    PropertyBag stored_;
    std::set<std::string> changed_;
    bool created_ = false;  // events run once the properties are read
    bool painting_ = false; // in the Paint event
};

} // namespace lumo
