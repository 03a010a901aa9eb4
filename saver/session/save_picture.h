#pragma once
// Saves the persistent image of a surface as the desktop snapshot: a 24-bit, bottom-up,
// uncompressed BMP whose layout the renderer reads (bmp_format.h).

#include <string>

namespace lumo {

class Surface;

// True when the whole file is in place, readable by the running account alone; on failure an
// earlier file at `path` stays untouched.
bool SavePicture(const Surface& surface, const std::string& path);

} // namespace lumo
