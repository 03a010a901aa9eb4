#pragma once
// The texture keeps the name of its file in a fixed 64-byte field; a longer name is cut, never
// written past the field's end, and the field always ends with a NUL.

#include <array>
#include <cstddef>

namespace lumo {

inline constexpr std::size_t kPathFieldSize = 64;
using PathField = std::array<char, kPathFieldSize>;

inline void CopyPathField(PathField& field, const char* path) {
    std::size_t n = 0;
    if (path != nullptr) {
        while (n + 1 < field.size() && path[n] != '\0') {
            field[n] = path[n];
            ++n;
        }
    }
    field[n] = '\0';
}

} // namespace lumo
