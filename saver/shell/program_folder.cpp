#include "program_folder.h"

#include "cp932.h"

namespace lumo {

std::string ProgramFolderOf(std::string_view modulePath) {
    const auto slash = cp932::FindLastChar(modulePath, '\\');
    if (slash == std::string_view::npos) {
        return {};
    }
    std::string folder(modulePath.substr(0, slash));
    if (folder.size() == 2 && folder[1] == ':') {
        folder += '\\';
    }
    return folder;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || cp932::FindLastChar(path, '\\') != path.size() - 1) {
        path += '\\';
    }
    path += name;
    return path;
}

} // namespace lumo
