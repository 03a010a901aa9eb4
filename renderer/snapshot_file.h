#pragma once
// The Windows side of reading the snapshot: the file opened for sequential reading and handed
// to ReadSnapshot as a byte source. The handle is closed on every way out.

#include "snapshot_reader.h"
#include "win32_handles.h"

#include <windows.h>

namespace lumo {

class FileSource final : public ByteSource {
  public:
    explicit FileSource(win::KernelHandle file) : file_(std::move(file)) {}
    std::size_t Read(std::uint8_t* destination, std::size_t size) override;

  private:
    win::KernelHandle file_;
};

// Opens the file (read access, shared reading, existing only, sequential scan) and reads it.
// A file that cannot be opened comes back as a short file header.
SnapshotImage ReadSnapshotFile(const char* path);

} // namespace lumo
