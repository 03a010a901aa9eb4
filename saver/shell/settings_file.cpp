#include "settings_file.h"

#include "settings.h"

#include <windows.h>

#include <array>

namespace lumo {

namespace {

constexpr DWORD kValueBufferSize = 256;

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (valid()) {
            CloseHandle(handle_);
        }
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

} // namespace

std::string ReadIni(const std::string& section, const std::string& key, const std::string& path) {
    std::array<char, kValueBufferSize> buffer{};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), kValueBufferSize,
                             path.c_str());
    buffer.back() = '\0';
    return std::string(buffer.data());
}

void WriteIni(const std::string& section, const std::string& key, const std::string& value,
              const std::string& path) {
    ApiResult =
        WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
}

bool FileExists(const std::string& path) {
    const std::string target = WithoutTrailingBackslash(path);
    if (target.empty()) {
        return false;
    }
    // Without backup semantics a folder does not open, which is what callers want.
    const FileHandle file(CreateFileA(target.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    const bool opened = file.valid();
    SetLastError(ERROR_SUCCESS);
    return opened;
}

void LoadSettings(const std::string& programFolder) {
    const std::string iniPath = programFolder + kIniFileName;
    LoadSettingsWith(
        Bgm(), programFolder, [&](const char* key) { return ReadIni(kIniSection, key, iniPath); },
        [](const std::string& path) { return FileExists(path); });
}

} // namespace lumo
