#pragma once
// How large the desktop photograph is taken. The saver is aware of the system's DPI only, and
// Windows scales what such a program reads of a monitor whose DPI differs from the system's
// (the primary's DPI changed since sign-in, a laptop docked to another screen): a window's or
// the screen's size comes back in the program's logical pixels. The photograph must hold every
// physical pixel of the primary monitor, so its size is the monitor's rectangle as a thread
// aware of each monitor's DPI reads it, and the logical size only where that cannot be read.

#include <optional>

namespace lumo {

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// `physical`: the primary monitor's size read as a per-monitor aware thread, when the thread
// could be made one and the monitor answered; `asSeen`: the screen's size as the program sees
// it. A reading that is empty, or larger than any bitmap can be, is no reading.
PixelSize CaptureSizeFor(std::optional<PixelSize> physical, PixelSize asSeen);

} // namespace lumo
