#include "open_file_record.h"

#include <cstring>

namespace lumo {

OpenFileRecord::OpenFileRecord(HWND owner, HINSTANCE instance, std::string initialFolder)
    : initialFolder_(std::move(initialFolder)) {
    // The whole record of this build: the 76-byte record of 32-bit Windows does not describe a
    // 64-bit program's pointers, and the system refuses sizes it does not know.
    record_.lStructSize = sizeof(OPENFILENAMEA);
    record_.hwndOwner = owner;
    record_.hInstance = instance;
    record_.lpstrFilter = kMusicFileFilter; // the literal's own NUL ends the list
    record_.lpstrFile = file_.data();
    record_.nMaxFile = kFileBufferChars;
    record_.lpstrFileTitle = fileTitle_.data();
    record_.nMaxFileTitle = kFileBufferChars;
    record_.lpstrInitialDir = initialFolder_.c_str();
    record_.lpstrTitle = kOpenFileTitle;
    record_.Flags = 0;
}

std::string OpenFileRecord::ChosenPath() const {
    return std::string(file_.data(), ::strnlen(file_.data(), file_.size()));
}

} // namespace lumo
