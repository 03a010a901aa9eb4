#pragma once
// The stored record of a user control: named entries that a control writes when its form's
// design is saved and reads back whenever the form loads. Keys match without regard to case.
// An entry whose value equals its default is left out, and a missing entry reads as the
// default the reader gives, so a record holds only what differs from the defaults.

#include "font_design.h"

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace lumo {

using PropertyValue = std::variant<bool, std::int64_t, double, std::string, FontDesign>;

// The number a text stands for, as the form runtime reads numbers: blanks around it, a sign,
// digits with a decimal point and an exponent, or &H hexadecimal and &O octal digits. None for
// any other text, the empty one included.
std::optional<double> NumberOfText(std::string_view text);

// Whether a value equals a default: a number equals a text that reads as that number (1 equals
// "1"), true counts as -1 and false as 0, as the runtime's conversions have it.
bool ValuesEqual(const PropertyValue& value, const PropertyValue& fallback);

// Conversions of a read value to the type its property holds. Each throws (a run-time error for
// the step that reads) when the value cannot be converted: a text that is not a number, a
// number outside [lowest, highest], a font where a number is wanted.
std::int64_t ToInteger(const PropertyValue& value, std::int64_t lowest, std::int64_t highest);
bool ToBool(const PropertyValue& value);
std::string ToText(const PropertyValue& value);
FontDesign ToFont(const PropertyValue& value);

class PropertyBag {
  public:
    PropertyBag() = default;
    // A stored record as a design writes it down.
    PropertyBag(std::initializer_list<std::pair<std::string, PropertyValue>> entries);

    // The stored value, or `fallback` when there is no entry.
    PropertyValue Read(std::string_view key, const PropertyValue& fallback) const;
    // Stores the value, or leaves the entry out when the value equals `fallback`.
    void Write(std::string_view key, const PropertyValue& value, const PropertyValue& fallback);

    bool Contains(std::string_view key) const;
    std::size_t Size() const { return entries_.size(); }

  private:
    struct KeyLess {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    std::map<std::string, PropertyValue, KeyLess> entries_;
};

} // namespace lumo
