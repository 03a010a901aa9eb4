#pragma once
// Saves the persistent image of a surface as the desktop snapshot: a 24-bit, bottom-up,
// uncompressed BMP whose layout the renderer reads (bmp_format.h).

#include "win32_handles.h"

#include <string>

namespace lumo {

class Surface;

// True when the whole file is in place, readable by the running account alone; on failure an
// earlier file at `path` stays untouched.
bool SavePicture(const Surface& surface, const std::string& path);

// Removes the photo at `path` and the temporary file its save writes beside it, read-only or
// not. A folder of either name is not a photo and stays.
void RemoveSnapshot(const std::string& path);

// Opens a file left at `path` so that no other program can open it while the handle lives; an
// invalid handle when there is none (or it cannot be opened, in which case no one else can).
win::KernelHandle ShutOutSnapshot(const std::string& path);

} // namespace lumo
