#pragma once
// The saver's own program at the Windows boundary, through the W functions so that a folder
// name in any script works on a system of any code page. The program's texts are code page 932
// and are converted here.
//
// ProgramServices is what the entry and the session both ask of Windows; the entry, the session
// and their tests' fakes all go through it, and Win32ProgramServices is its one implementation.

#include <cstdint>
#include <string>

namespace lumo {

class ProgramServices {
  public:
    virtual ~ProgramServices() = default;
    // True when a top-level window has this caption (code page 932), whatever its class.
    virtual bool WindowExists(const char* caption) = 0;
    // ShowCursor: any non-zero `show` shows; returns the new display count.
    virtual std::int32_t ShowCursor(std::int32_t show) = 0;
    // Stops the process at once: no further event of any form runs.
    [[noreturn]] virtual void EndProgram() = 0;
};

class Win32ProgramServices final : public ProgramServices {
  public:
    bool WindowExists(const char* caption) override;
    std::int32_t ShowCursor(std::int32_t show) override;
    [[noreturn]] void EndProgram() override;
};

namespace program {

// The full path of the running program as Windows loaded it; empty when it cannot be had.
std::wstring ModulePath();

// The folder of the running program, a drive root with its backslash.
std::wstring Folder();

// Starts a program by path with a normal window that takes the focus, without arguments, and
// returns at once. False when it could not be started.
bool Start(const std::wstring& path);

// A modal message box with an OK button; returns when it has been closed. The texts are code
// page 932; `owner` may be null.
void MessageBoxOk(const char* text, const char* caption, void* owner = nullptr);

// Makes a folder named in code page 932; one that exists or cannot be made is left alone.
void CreateFolder(const char* path);

} // namespace program
} // namespace lumo
