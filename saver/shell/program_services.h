#pragma once
// The saver's own program at the Windows boundary, through the W functions so that a folder
// name in any script works on a system of any code page: the program's folder, starting the
// renderer, a window found by its caption, a message box. The program's texts are code page 932
// and are converted here.

#include <string>

namespace lumo::program {

// The folder of the running program, a drive root with its backslash.
std::wstring Folder();

// Starts a program by path with a normal window that takes the focus, without arguments, and
// returns at once. False when it could not be started.
bool Start(const std::wstring& path);

// True when a top-level window has this caption (code page 932), whatever its class.
bool WindowExists(const char* caption);

// A modal message box with an OK button; returns when it has been closed. The texts are code
// page 932; `owner` may be null.
void MessageBoxOk(const char* text, const char* caption, void* owner = nullptr);

// Makes a folder named in code page 932; one that exists or cannot be made is left alone.
void CreateFolder(const char* path);

} // namespace lumo::program
