#include "preview_start.h"

#include "skip_on_error.h"

namespace lumo {

bool StartPreview(PreviewHost& host, std::int32_t parentWindow) {
    int width = 0;
    int height = 0;
    bool parentExists = false;
    SkipOnError([&] { parentExists = host.ParentSize(parentWindow, width, height); });
    if (!parentExists) {
        return false;
    }
    // A window can report a rectangle turned inside out; a size below zero means nothing.
    width = width < 0 ? 0 : width;
    height = height < 0 ? 0 : height;

    SkipOnError([&] { host.LoadForm(); });
    SkipOnError([&] { host.AddChildStyle(); });
    SkipOnError([&] { host.SetParent(parentWindow); });
    SkipOnError([&] { host.PlaceForm(width, height); });
    SkipOnError([&] { host.PlaceImage(width, height); });
    SkipOnError([&] { host.ShowForm(); });
    return true;
}

} // namespace lumo
