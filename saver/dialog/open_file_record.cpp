#include "open_file_record.h"

#include "wide_text.h"

#include <cwchar>

namespace lumo {

OpenFileRecord::OpenFileRecord(HWND owner, HINSTANCE instance, std::wstring initialFolder)
    : initialFolder_(std::move(initialFolder)),
      // With the literal's own NUL, which ends the list.
      filter_(FromCp932(std::string_view(kMusicFileFilter, sizeof(kMusicFileFilter)))),
      title_(FromCp932(kOpenFileTitle)) {
    // The whole record of this build: the 76-byte record of 32-bit Windows does not describe a
    // 64-bit program's pointers, and the system refuses sizes it does not know.
    record_.lStructSize = sizeof(OPENFILENAMEW);
    record_.hwndOwner = owner;
    record_.hInstance = instance;
    record_.lpstrFilter = filter_.c_str();
    record_.lpstrFile = file_.data();
    record_.nMaxFile = kFileBufferChars;
    record_.lpstrFileTitle = fileTitle_.data();
    record_.nMaxFileTitle = kFileBufferChars;
    record_.lpstrInitialDir = initialFolder_.c_str();
    record_.lpstrTitle = title_.c_str();
    record_.Flags = 0;
}

std::wstring OpenFileRecord::ChosenPath() const {
    return std::wstring(file_.data(), ::wcsnlen(file_.data(), file_.size()));
}

} // namespace lumo
