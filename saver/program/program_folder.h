#pragma once
// The program folder: where the running saver lies. The settings file and the renderer are
// found beside it.

#include <string>
#include <string_view>

namespace lumo {

// The folder of a module path without a trailing backslash, except that a drive root keeps it
// ("C:\x.scr" gives "C:\"). A path without a backslash gives "".
std::wstring ProgramFolderOf(std::wstring_view modulePath);

// folder + "\" + name, without doubling the backslash when the folder is a drive root. `name`
// is one of the program's own file names in code page 932.
std::wstring JoinPath(std::wstring_view folder, std::string_view name);

} // namespace lumo
