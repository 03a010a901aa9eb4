// Host builds' code page 932 conversions, through glibc's iconv, so that the platform-free code
// that converts the program's texts runs in host tests as it runs on Windows.
#include "wide_text.h"

#include <iconv.h>

#include <cerrno>

namespace lumo {
namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(cd_);
        }
    }

    // Converts all of `in`; a sequence that cannot be converted calls `onError`, which returns
    // false to give up or true to go on after skipping one input unit of `skip` bytes.
    template <typename Out, typename OnError>
    bool Run(const char* in, std::size_t size, std::size_t skip, Out& out, OnError onError) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            return false;
        }
        char* input = const_cast<char*>(in);
        std::size_t left = size;
        while (left > 0) {
            typename Out::value_type buffer[64];
            char* output = reinterpret_cast<char*>(buffer);
            std::size_t room = sizeof(buffer);
            const std::size_t result = iconv(cd_, &input, &left, &output, &room);
            out.append(buffer, (sizeof(buffer) - room) / sizeof(buffer[0]));
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                if (!onError(out)) {
                    return false;
                }
                const std::size_t step = left < skip ? left : skip;
                input += step;
                left -= step;
            }
        }
        return true;
    }

  private:
    iconv_t cd_;
};

} // namespace

std::wstring FromCp932(std::string_view text) {
    Converter converter("WCHAR_T", "CP932");
    std::wstring wide;
    converter.Run(text.data(), text.size(), 1, wide, [](std::wstring& out) {
        out.push_back(L'\xFFFD');
        return true;
    });
    return wide;
}

std::optional<std::string> ToCp932(std::wstring_view text) {
    Converter converter("CP932", "WCHAR_T");
    std::string bytes;
    if (!converter.Run(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t),
                       sizeof(wchar_t), bytes, [](std::string&) { return false; })) {
        return std::nullopt;
    }
    return bytes;
}

std::string ToCp932Replacing(std::wstring_view text) {
    Converter converter("CP932", "WCHAR_T");
    std::string bytes;
    converter.Run(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t),
                  sizeof(wchar_t), bytes, [](std::string& out) {
                      out.push_back('?');
                      return true;
                  });
    return bytes;
}

} // namespace lumo
