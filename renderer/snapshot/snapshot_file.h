#pragma once
// The Windows side of reading the snapshot: the file mapped into memory and handed to
// ReadSnapshot as a byte source, which lends the pixel block in place. Reading a screen-sized
// file into fresh memory costs Wine many times more than mapping it, and the mapped pixels
// need no copy. The handles are closed on every way out; the view lives as long as the image.

#include "snapshot_reader.h"

namespace lumo {

// Opens the file (read access, shared reading, existing only, sequential scan) by its wide name,
// the path being in the system's code page, maps it and reads it. A file that cannot be opened,
// an empty one, or a name that does not convert comes back as a short file header; a file that
// cannot be mapped, as out of memory.
SnapshotImage ReadSnapshotFile(const char* path);

// Deletes the file by the same wide name; a file that is gone or held open stays as it is.
void RemoveSnapshotFile(const char* path);

} // namespace lumo
