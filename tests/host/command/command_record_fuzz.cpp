// Loads a button from a stored record made of arbitrary entries (keys from the record's own set
// in any case, values of any kind), then saves and reloads it: no crash, no undefined behaviour,
// and the reload of a save reads back what was saved.
#include "command_properties.h"
#include "command_state.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class QuietView final : public lumo::CommandView {
  public:
    void PaintFace(lumo::Face, bool) override {}
    void RaiseClick() override {}
    void StartHoverTimer(unsigned) override {}
    void ShowCaptionEnabled(bool) override {}
    void ShowCaption(const std::string&) override {}
    void ShowCaptionFont(const lumo::FontDesign&) override {}
    void ShowCaptionColour(std::uint32_t) override {}
    void ShowOpaque(bool) override {}
    void MarkChanged(const std::string&) override {}
};

const char* const kKeys[] = {"Enabled", "caption", "FIRSTRUN", "Font", "fontcolour", "Visible"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lumo::PropertyBag record;
    std::size_t i = 0;
    while (i + 2 <= size) {
        const std::string key = kKeys[data[i] % 6];
        const int kind = data[i + 1] % 4;
        i += 2;
        const std::size_t length = i < size ? data[i] % 16 : 0;
        ++i;
        std::string text;
        for (std::size_t k = 0; k < length && i < size; ++k, ++i) {
            text += static_cast<char>(data[i]);
        }
        switch (kind) {
        case 0:
            record = lumo::PropertyBag{{key, text}};
            break;
        case 1:
            record.Write(key, text, std::string("\x01"));
            break;
        case 2:
            record.Write(key, static_cast<std::int64_t>(std::strtoll(text.c_str(), nullptr, 10)),
                         std::string("\x01"));
            break;
        default: {
            lumo::FontDesign font;
            font.name = std::wstring(text.begin(), text.end());
            record.Write(key, font, std::string("\x01"));
        }
        }
    }
    QuietView view;
    lumo::CommandState state(view);
    lumo::CommandProperties properties(state, view, lumo::FontDesign{});
    properties.ReadProperties(record, lumo::FontDesign{});
    lumo::PropertyBag saved;
    properties.WriteProperties(saved, lumo::FontDesign{});

    lumo::CommandState state2(view);
    lumo::CommandProperties again(state2, view, lumo::FontDesign{});
    again.ReadProperties(saved, lumo::FontDesign{});
    if (again.Caption() != properties.Caption() && properties.Caption() != "Command") {
        std::abort();
    }
    if (again.CaptionColour() != properties.CaptionColour() ||
        again.Opaque() != properties.Opaque() || state2.IsEnabled() != state.IsEnabled() ||
        !(again.Font() == properties.Font())) {
        std::abort();
    }
    return 0;
}
