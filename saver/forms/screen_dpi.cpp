#include "screen_dpi.h"

#include "twips.h"
#include "win32_handles.h"

namespace lumo {

int ScreenDpi() {
    // The system DPI holds for the whole run: read once, so every form and picture agrees.
    static const int dpi = [] {
        win::WindowDc screen(nullptr);
        const int read = screen.Get() != nullptr ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
        return read > 0 ? read : kStandardDpi;
    }();
    return dpi;
}

} // namespace lumo
