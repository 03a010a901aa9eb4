#include "settings.h"

#include "ascii_text.h"
#include "decimal_text.h"

#include <cstddef>
#include <limits>

namespace lumo {

namespace {

constexpr std::uint64_t kExponentLimit = 1'000'000'000'000'000'000;

} // namespace

std::optional<DecimalReading> ReadDecimal(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text::IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && text::IsBlank(text[end - 1])) {
        --end;
    }
    const std::string_view s = text.substr(begin, end - begin);

    const auto parts = text::ScanDecimal(s, {});
    if (!parts || parts->length != s.size()) {
        return std::nullopt;
    }
    const bool negative = parts->negative;
    const std::string_view intDigits = parts->integerDigits;
    const std::string_view fracDigits = parts->fractionDigits;
    // An exponent beyond this is one the reader cannot hold: not a number. Up to it the sums
    // below stay far inside 64 bits however many digits the value carries.
    const auto exponentValue = text::DigitsValue(parts->exponentDigits, 10, kExponentLimit);
    if (!exponentValue) {
        return std::nullopt;
    }
    const std::int64_t exponent = parts->exponentNegative
                                      ? -static_cast<std::int64_t>(*exponentValue)
                                      : static_cast<std::int64_t>(*exponentValue);

    // The value is digits(intDigits + fracDigits) * 10^scale; work on the significant digits.
    const auto digitAt = [&](std::size_t k) {
        return k < intDigits.size() ? intDigits[k] : fracDigits[k - intDigits.size()];
    };
    const std::size_t total = intDigits.size() + fracDigits.size();
    std::size_t first = 0;
    while (first < total && digitAt(first) == '0') {
        ++first;
    }
    if (first == total) {
        return DecimalReading{0, false};
    }
    const auto significant = static_cast<std::int64_t>(total - first);
    const std::int64_t scale = exponent - static_cast<std::int64_t>(fracDigits.size());
    const std::int64_t intLength = significant + scale; // digits before the decimal point
    if (intLength > 10) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    bool fraction = false;
    for (std::int64_t k = 0; k < significant; ++k) {
        const int digit = digitAt(first + static_cast<std::size_t>(k)) - '0';
        if (k < intLength) {
            magnitude = magnitude * 10 + digit;
        } else if (digit != 0) {
            fraction = true;
        }
    }
    for (std::int64_t k = significant; k < intLength; ++k) {
        magnitude *= 10;
    }
    const std::int64_t floor = negative ? -magnitude - (fraction ? 1 : 0) : magnitude;
    if (floor < std::numeric_limits<std::int32_t>::min() ||
        floor > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return DecimalReading{static_cast<std::int32_t>(floor), fraction};
}

namespace {

std::optional<std::int16_t> SettingNumberOf(const std::optional<DecimalReading>& reading) {
    if (!reading || reading->floor < std::numeric_limits<std::int16_t>::min() ||
        reading->floor > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(reading->floor);
}

} // namespace

std::optional<std::int16_t> ReadSettingNumber(std::string_view text) {
    return SettingNumberOf(ReadDecimal(text));
}

std::optional<DecimalReading> ReadDecimal(std::wstring_view text) {
    std::string ascii;
    for (const wchar_t c : text) {
        if (static_cast<std::uint32_t>(c) > 0x7F) {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(c));
    }
    return ReadDecimal(std::string_view(ascii));
}

std::optional<std::int16_t> ReadSettingNumber(std::wstring_view text) {
    return SettingNumberOf(ReadDecimal(text));
}

std::string FormatSettingNumber(std::int16_t value) {
    // The sign position: a blank stands where a minus would.
    std::string text = value < 0 ? std::string() : std::string(" ");
    text += std::to_string(value);
    return text;
}

std::wstring FolderOf(std::wstring_view path) {
    const std::size_t last = path.find_last_of(L":\\");
    if (last == std::wstring_view::npos) {
        return {};
    }
    // The found character is the last one kept; a backslash goes, a drive colon stays.
    return std::wstring(path.substr(0, path[last] == L'\\' ? last : last + 1));
}

std::wstring WithoutTrailingBackslash(std::wstring_view path) {
    return std::wstring(!path.empty() && path.back() == L'\\' ? path.substr(0, path.size() - 1)
                                                              : path);
}

std::array<IniValue, 3> SettingTextsOf(const BgmSettings& settings) {
    const auto number = [](std::int16_t value) {
        const std::string text = FormatSettingNumber(value);
        return std::wstring(text.begin(), text.end());
    };
    return {IniValue{kKeyBgmKind, number(settings.BgmKind)},
            IniValue{kKeyBgmRepeat, number(settings.BgmRepeat)},
            IniValue{kKeyBgmFile, settings.BgmFile}};
}

void LoadSettingsWith(BgmSettings& settings, std::wstring_view programFolder,
                      const std::function<std::wstring(const char* key)>& readValue,
                      const std::function<bool(const std::wstring& path)>& fileExists) {
    // Each step stands alone: one that fails leaves its variable as it was and the next runs.
    const auto step = [](auto&& body) {
        try {
            body();
        } catch (...) {
        }
    };
    const auto readNumber = [&](const char* key, std::int16_t& variable) {
        step([&] {
            const std::wstring value = readValue(key);
            if (value.empty()) {
                variable = 0;
            } else if (const auto number = ReadSettingNumber(value)) {
                variable = *number;
            }
        });
    };
    readNumber(kKeyBgmKind, settings.BgmKind);
    readNumber(kKeyBgmRepeat, settings.BgmRepeat);
    step([&] {
        std::wstring value = readValue(kKeyBgmFile);
        if (!value.empty() && fileExists(value)) {
            settings.BgmFile = std::move(value);
            return;
        }
        settings.BgmFile.clear();
        if (settings.BgmKind == kBgmKindFile) {
            settings.BgmKind = kBgmKindNone;
        }
    });
    step([&] {
        settings.BgmFolder =
            settings.BgmFile.empty() ? std::wstring(programFolder) : FolderOf(settings.BgmFile);
    });
}

} // namespace lumo
