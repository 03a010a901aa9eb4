#pragma once
// The Windows side of reading the snapshot: the file opened for sequential reading and handed
// to ReadSnapshot as a byte source. The handle is closed on every way out.

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

class FileSource final : public ByteSource {
  public:
    explicit FileSource(UniqueHandle file) : file_(std::move(file)) {}
    std::size_t Read(std::uint8_t* destination, std::size_t size) override;

  private:
    UniqueHandle file_;
};

// Opens the file (read access, shared reading, existing only, sequential scan) by its wide name,
// the path being in the system's code page, and reads it. A file that cannot be opened, or a
// name that does not convert, comes back as a short file header.
SnapshotImage ReadSnapshotFile(const char* path);

} // namespace lumo
