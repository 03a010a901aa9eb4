#pragma once
// The Windows side of reading the snapshot: the file mapped into memory and handed to
// ReadSnapshot as a byte source, which lends the pixel block in place. Reading a screen-sized
// file into fresh memory costs Wine many times more than mapping it, and the mapped pixels
// need no copy. The handles are closed on every way out; the view lives as long as the image.

#include "snapshot_reader.h"

#include <windows.h>

namespace lumo {

class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.handle_) {
        other.handle_ = INVALID_HANDLE_VALUE;
    }
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = other.handle_;
            other.handle_ = INVALID_HANDLE_VALUE;
        }
        return *this;
    }
    ~UniqueHandle() { Close(); }

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }

  private:
    void Close() {
        if (valid()) {
            CloseHandle(handle_);
        }
        handle_ = INVALID_HANDLE_VALUE;
    }
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Opens the file (read access, shared reading, existing only, sequential scan) by its wide name,
// the path being in the system's code page, maps it and reads it. A file that cannot be opened,
// an empty one, or a name that does not convert comes back as a short file header; a file that
// cannot be mapped, as out of memory.
SnapshotImage ReadSnapshotFile(const char* path);

} // namespace lumo
