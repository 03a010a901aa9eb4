#pragma once
// A monitor's part of the desktop, photographed by the renderer itself before it shows any
// window: the saver writes only the primary's picture to disk, and the other monitors' pictures
// never touch it. The program is per-monitor DPI aware, so the place and the pixels are the
// monitor's own physical ones.

#include "monitor_layout.h"
#include "texture_pyramid.h"

#include <memory>

namespace lumo {

// Bottom-up rows of blue, green, red bytes, kept alive by `storage`; empty (no storage) when the
// part could not be captured (no memory for a huge monitor, no screen to read), which the scene
// shows as flat stars.
struct MonitorPicture {
    std::shared_ptr<const void> storage;
    PictureView view;
    bool captured() const { return storage != nullptr; }
};

MonitorPicture CaptureMonitor(const MonitorPlace& place);

} // namespace lumo
