#include "long_path.h"

namespace lumo {

std::wstring FileFunctionPath(std::wstring_view path) {
    if (path.size() < kClassicPathLimit || path.starts_with(L"\\\\?\\")) {
        return std::wstring(path);
    }
    // The extended form is taken literally: no "." or ".." and no forward slashes are resolved,
    // which the program's own paths (built from its module name) never hold.
    if (path.starts_with(L"\\\\")) {
        return L"\\\\?\\UNC\\" + std::wstring(path.substr(2));
    }
    if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') {
        return L"\\\\?\\" + std::wstring(path);
    }
    return std::wstring(path);
}

} // namespace lumo
