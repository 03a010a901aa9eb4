#include "program_folder.h"

#include "cp932.h"
#include "wide_text.h"

namespace lumo {

namespace {

template <typename Ch>
std::basic_string<Ch> FolderBefore(std::basic_string_view<Ch> path, std::size_t slash) {
    if (slash == std::basic_string_view<Ch>::npos) {
        return {};
    }
    std::basic_string<Ch> folder(path.substr(0, slash));
    if (folder.size() == 2 && folder[1] == Ch(':')) {
        folder += Ch('\\');
    }
    return folder;
}

} // namespace

std::wstring ProgramFolderOf(std::wstring_view modulePath) {
    return FolderBefore(modulePath, modulePath.rfind(L'\\'));
}

std::string ProgramFolderOf(std::string_view modulePath) {
    // A trail byte can look like a backslash, so the search counts characters.
    return FolderBefore(modulePath, cp932::FindLastChar(modulePath, '\\'));
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
