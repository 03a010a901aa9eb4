#pragma once
// A file written by a test into the temporary folder and removed again when the test ends.

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace lumo::testing {

class TempFile {
  public:
    TempFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        char folder[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        path_ = std::string(folder) + name;
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() { DeleteFileA(path_.c_str()); }
    const char* path() const { return path_.c_str(); }

  private:
    std::string path_;
};

} // namespace lumo::testing
