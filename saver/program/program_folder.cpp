#include "program_folder.h"

#include "wide_text.h"

namespace lumo {

std::wstring ProgramFolderOf(std::wstring_view modulePath) {
    const std::size_t slash = modulePath.rfind(L'\\');
    if (slash == std::wstring_view::npos) {
        return {};
    }
    std::wstring folder(modulePath.substr(0, slash));
    if (folder.size() == 2 && folder[1] == L':') {
        folder += L'\\';
    }
    return folder;
}

std::wstring JoinPath(std::wstring_view folder, std::string_view name) {
    std::wstring path(folder);
    if (path.empty() || path.back() != L'\\') {
        path += L'\\';
    }
    path += FromCp932(name);
    return path;
}

} // namespace lumo
