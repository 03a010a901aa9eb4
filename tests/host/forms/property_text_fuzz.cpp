// Any bytes as a stored text and as a key: reading the text as a number, converting it and
// storing it must neither crash nor leak, and the results must keep their promises.
#include "property_bag.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto number = lumo::NumberOfText(text);
    if (number) {
        // Finite, and blanks around the text change nothing.
        if (!std::isfinite(*number) || lumo::NumberOfText(" " + text + "\t") != number) {
            std::abort();
        }
    }
    try {
        const auto integer = lumo::ToInteger(text, INT32_MIN, INT32_MAX);
        if (integer < INT32_MIN || integer > INT32_MAX) {
            std::abort();
        }
    } catch (const std::exception&) {
        // Not a number, or too large: the reading step fails, as it should.
    }
    lumo::PropertyBag bag;
    bag.Write(text, text, std::int64_t{0});
    const bool isDefault = lumo::ValuesEqual(text, std::int64_t{0});
    if (bag.Contains(text) == isDefault || bag.Size() != (isDefault ? 0u : 1u)) {
        std::abort();
    }
    return 0;
}
