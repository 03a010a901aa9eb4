#include "program_services.h"

#include "application.h"
#include "long_path.h"
#include "program_folder.h"
#include "wide_text.h"
#include "win32_handles.h"

#include <windows.h>

#include <vector>

namespace lumo {

bool Win32ProgramServices::WindowExists(const char* caption) {
    return ::FindWindowW(nullptr, FromCp932(caption).c_str()) != nullptr;
}

std::int32_t Win32ProgramServices::ShowCursor(std::int32_t show) {
    return ::ShowCursor(show != 0 ? TRUE : FALSE);
}

void Win32ProgramServices::EndProgram() {
    app::EndProgram();
}

namespace program {

std::wstring ModulePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            return {};
        }
        if (n < buffer.size()) {
            return std::wstring(buffer.data(), n);
        }
        buffer.resize(buffer.size() * 2); // the name was cut: try a larger buffer
    }
}

std::wstring Folder() {
    return ProgramFolderOf(ModulePath());
}

bool Start(const std::wstring& path) {
    // A program deeper than the classic path limit is started by its short name, which
    // CreateProcess takes where it takes no extended-length form.
    std::wstring runnable = path;
    if (path.size() >= kClassicPathLimit) {
        const std::wstring full = FileFunctionPath(path);
        std::wstring brief(full.size() + 1, L'\0');
        const DWORD n =
            ::GetShortPathNameW(full.c_str(), brief.data(), static_cast<DWORD>(brief.size()));
        if (n > 0 && n < brief.size()) {
            brief.resize(n);
            runnable = brief.starts_with(L"\\\\?\\") ? brief.substr(4) : brief;
        }
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    // Quoted, so that a folder with blanks names the program and not its first word.
    std::wstring commandLine = L"\"" + runnable + L"\"";
    const BOOL ok = ::CreateProcessW(runnable.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                     0, nullptr, nullptr, &startup, &process);
    if (!ok) {
        return false;
    }
    // Nothing is waited for or kept: the renderer lives on by itself.
    win::KernelHandle processHandle(process.hProcess);
    win::KernelHandle threadHandle(process.hThread);
    return true;
}

void MessageBoxOk(const char* text, const char* caption, void* owner) {
    ::MessageBoxW(static_cast<HWND>(owner), FromCp932(text).c_str(), FromCp932(caption).c_str(),
                  MB_OK | MB_SETFOREGROUND);
}

void CreateFolder(const char* path) {
    ::CreateDirectoryW(FromCp932(path).c_str(), nullptr);
}

} // namespace program
} // namespace lumo
