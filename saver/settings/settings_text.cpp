#include "settings_text.h"

#include "wide_text.h"

#include <cstddef>

namespace lumo {

namespace {

constexpr std::size_t kValueLimit = 255; // the profile functions' buffer of 256, one for the NUL

template <typename Ch> using Text = std::basic_string<Ch>;
template <typename Ch> using View = std::basic_string_view<Ch>;
template <typename Ch> using Lines = std::vector<Text<Ch>>;

bool IsUtf16(std::span<const std::uint8_t> file) {
    return file.size() >= 2 && file[0] == 0xFF && file[1] == 0xFE;
}

std::string_view BytesOf(std::span<const std::uint8_t> file) {
    return {reinterpret_cast<const char*>(file.data()), file.size()};
}

// UTF-16LE units to wchar_t, which is UTF-16 on Windows and UTF-32 on the host.
std::wstring FromUtf16Le(std::span<const std::uint8_t> bytes) {
    std::wstring text;
    const auto unitAt = [&](std::size_t i) {
        return static_cast<std::uint32_t>(bytes[i] | (bytes[i + 1] << 8));
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        std::uint32_t code = unitAt(i);
        if constexpr (sizeof(wchar_t) == 4) {
            if (code >= 0xD800 && code < 0xDC00 && i + 3 < bytes.size()) {
                const std::uint32_t low = unitAt(i + 2);
                if (low >= 0xDC00 && low < 0xE000) {
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                    i += 2;
                }
            }
        }
        text.push_back(static_cast<wchar_t>(code));
    }
    return text;
}

void AppendUtf16Le(std::vector<std::uint8_t>& out, std::wstring_view text) {
    const auto put = [&](std::uint32_t unit) {
        out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        out.push_back(static_cast<std::uint8_t>(unit >> 8));
    };
    for (const wchar_t c : text) {
        const auto code = static_cast<std::uint32_t>(c);
        if (code > 0xFFFF) {
            put(0xD800 + ((code - 0x10000) >> 10));
            put(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            put(code);
        }
    }
}

template <typename Ch> Lines<Ch> SplitLines(View<Ch> text) {
    Lines<Ch> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(Ch('\n'), start);
        if (end == View<Ch>::npos) {
            end = text.size();
        }
        View<Ch> line = text.substr(start, end - start);
        if (!line.empty() && line.back() == Ch('\r')) {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

template <typename Ch> View<Ch> Trim(View<Ch> text) {
    const auto blank = [](Ch c) { return c == Ch(' ') || c == Ch('\t'); };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Names compare as the profile functions compare them: ASCII letters in either case.
template <typename Ch> bool SameName(View<Ch> a, View<Ch> b) {
    const auto fold = [](Ch c) { return c >= Ch('a') && c <= Ch('z') ? Ch(c - 'a' + 'A') : c; };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

template <typename Ch> std::optional<View<Ch>> SectionName(View<Ch> line) {
    const View<Ch> text = Trim(line);
    if (text.empty() || text.front() != Ch('[')) {
        return std::nullopt;
    }
    const std::size_t close = text.find(Ch(']'));
    if (close == View<Ch>::npos) {
        return std::nullopt;
    }
    return Trim(text.substr(1, close - 1));
}

template <typename Ch> struct Entry {
    View<Ch> key;
    View<Ch> value;
};

// '=' is never the trail byte of a code page 932 character, so bytes can be searched for it.
template <typename Ch> std::optional<Entry<Ch>> EntryOf(View<Ch> line) {
    const std::size_t equals = line.find(Ch('='));
    if (equals == View<Ch>::npos) {
        return std::nullopt;
    }
    return Entry<Ch>{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

struct SectionLines {
    std::size_t end = 0;              // the next section's header, or the end of the file
    std::size_t lastEntry = 0;        // the last line that is not blank (the header when none)
    std::optional<std::size_t> entry; // the line of the key looked for
};

template <typename Ch>
std::optional<SectionLines> FindSection(const Lines<Ch>& lines, View<Ch> section, View<Ch> key) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName<Ch>(lines[i]);
        if (!name || !SameName(*name, section)) {
            continue;
        }
        SectionLines found{i + 1, i, std::nullopt};
        for (; found.end < lines.size() && !SectionName<Ch>(lines[found.end]); ++found.end) {
            const View<Ch> line = lines[found.end];
            if (!Trim(line).empty()) {
                found.lastEntry = found.end;
            }
            const auto entry = EntryOf(line);
            if (!found.entry && entry && SameName(entry->key, key)) {
                found.entry = found.end;
            }
        }
        return found;
    }
    return std::nullopt;
}

template <typename Ch> Text<Ch> ValueIn(const Lines<Ch>& lines, View<Ch> section, View<Ch> key) {
    const auto found = FindSection(lines, section, key);
    if (!found || !found->entry) {
        return {};
    }
    View<Ch> value = EntryOf<Ch>(lines[*found->entry])->value;
    if (value.size() >= 2 && (value.front() == Ch('"') || value.front() == Ch('\'')) &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return Text<Ch>(value.substr(0, kValueLimit));
}

template <typename Ch>
void SetValue(Lines<Ch>& lines, View<Ch> section, View<Ch> key, View<Ch> value) {
    Text<Ch> line(key);
    line += Ch('=');
    line += value;
    const auto found = FindSection(lines, section, key);
    if (!found) {
        Text<Ch> header(1, Ch('['));
        header += section;
        header += Ch(']');
        lines.push_back(std::move(header));
        lines.push_back(std::move(line));
    } else if (found->entry) {
        lines[*found->entry] = std::move(line);
    } else {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(found->lastEntry + 1),
                     std::move(line));
    }
}

template <typename Ch> Text<Ch> Joined(const Lines<Ch>& lines) {
    Text<Ch> text;
    for (const auto& line : lines) {
        text += line;
        text += Ch('\r');
        text += Ch('\n');
    }
    return text;
}

Lines<wchar_t> WideLines(std::span<const std::uint8_t> file) {
    const std::wstring text =
        IsUtf16(file) ? FromUtf16Le(file.subspan(2)) : FromCp932(BytesOf(file));
    return SplitLines<wchar_t>(text);
}

} // namespace

std::wstring IniValueOf(std::span<const std::uint8_t> file, std::string_view section,
                        std::string_view key) {
    if (IsUtf16(file)) {
        return ValueIn<wchar_t>(WideLines(file), FromCp932(section), FromCp932(key));
    }
    return FromCp932(ValueIn<char>(SplitLines<char>(BytesOf(file)), section, key));
}

std::vector<std::uint8_t> IniWithValues(std::span<const std::uint8_t> file,
                                        std::string_view section,
                                        std::span<const IniValue> values) {
    if (!IsUtf16(file)) {
        std::vector<std::string> encoded;
        for (const auto& value : values) {
            auto bytes = ToCp932(value.value);
            if (!bytes) {
                break;
            }
            encoded.push_back(std::move(*bytes));
        }
        if (encoded.size() == values.size()) {
            Lines<char> lines = SplitLines<char>(BytesOf(file));
            for (std::size_t i = 0; i < values.size(); ++i) {
                SetValue<char>(lines, section, values[i].key, encoded[i]);
            }
            const std::string text = Joined(lines);
            return {text.begin(), text.end()};
        }
    }
    Lines<wchar_t> lines = WideLines(file);
    const std::wstring wideSection = FromCp932(section);
    for (const auto& value : values) {
        SetValue<wchar_t>(lines, wideSection, FromCp932(value.key), value.value);
    }
    std::vector<std::uint8_t> out{0xFF, 0xFE};
    AppendUtf16Le(out, Joined(lines));
    return out;
}

} // namespace lumo
