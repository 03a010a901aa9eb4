#pragma once
// The program folder: where the running saver lies. The settings file and the renderer are
// found beside it.

#include <string>
#include <string_view>

namespace lumo {

// The folder of a module path (code page 932) without a trailing backslash, except that a
// drive root keeps it ("C:\x.scr" gives "C:\"). A path without a backslash gives "".
std::string ProgramFolderOf(std::string_view modulePath);

// folder + "\" + name, without doubling the backslash when the folder is a drive root.
std::string JoinPath(std::string_view folder, std::string_view name);

} // namespace lumo
