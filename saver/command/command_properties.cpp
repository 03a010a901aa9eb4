#include "command_properties.h"

#include "skip_on_error.h"

#include <cstdint>
#include <stdexcept>
#include <utility>

namespace lumo {

using namespace std::string_literals;

CommandProperties::CommandProperties(CommandState& state, CommandView& view, FontDesign surfaceFont)
    : state_(state), view_(view), font_(std::move(surfaceFont)) {}

void CommandProperties::SetCaption(const std::string& caption) {
    SkipOnError([&] {
        view_.ShowCaption(caption);
        caption_ = caption;
    });
    SkipOnError([&] { view_.MarkChanged("Caption"); });
}

void CommandProperties::SetFont(const FontDesign& font) {
    SkipOnError([&] {
        view_.ShowCaptionFont(font);
        font_ = font;
    });
    SkipOnError([&] { view_.MarkChanged("Font"); });
}

std::uint32_t CommandProperties::FontColour() {
    const std::uint32_t colour = colour_;
    ApplyCaptionStyle();
    return colour;
}

void CommandProperties::SetFontColour(std::uint32_t colour) {
    try {
        view_.ShowCaptionColour(colour);
        colour_ = colour;
        ApplyCaptionStyle();
        view_.MarkChanged("FontColour");
    } catch (...) {
        // A failing step ends the write unmarked, with the caption restyled.
        ApplyCaptionStyle();
    }
}

bool CommandProperties::Enabled() {
    if (firstRun_ == 0) {
        // A newly placed button is switched on by its first read.
        ApplyCaptionStyle();
        firstRun_ = 1;
        state_.SetIsEnabled(true);
    }
    const bool result = state_.IsEnabled();
    state_.ShowEnabledState();
    return result;
}

void CommandProperties::SetEnabled(bool enabled) {
    state_.SetIsEnabled(enabled);
    SkipOnError([&] { view_.MarkChanged("Enabled"); });
    state_.ShowEnabledState();
}

std::uint8_t CommandProperties::Visible() {
    if (!opaque_) {
        return 0;
    }
    ApplyCaptionStyle();
    return 255;
}

void CommandProperties::SetVisible(std::uint8_t visible) {
    if (visible != 0) {
        SkipOnError([&] {
            view_.ShowOpaque(true);
            opaque_ = true;
        });
        ApplyCaptionStyle();
    } else {
        SkipOnError([&] {
            view_.ShowOpaque(false);
            opaque_ = false;
        });
    }
    SkipOnError([&] { view_.MarkChanged("Visible"); });
}

void CommandProperties::ApplyCaptionStyle() {
    if (!state_.IsEnabled()) {
        return;
    }
    const auto step = [&](auto&& action) {
        try {
            action();
        } catch (...) {
            SkipOnError([&] {
                view_.ShowCaptionColour(0);
                colour_ = 0;
            });
        }
    };
    step([&] { view_.ShowCaptionEnabled(true); });
    step([&] {
        if (firstRun_ == 0) {
            view_.ShowCaptionColour(0);
            colour_ = 0;
        }
    });
    step([&] { state_.DrawFace(Face::Normal); });
}

namespace {

// The background style stored under "Visible": 1 opaque, 0 transparent; any other number is
// no background style and fails its step.
bool OpaqueOf(const PropertyValue& value) {
    const auto style = ToInteger(value, INT16_MIN, INT16_MAX);
    if (style != 0 && style != 1) {
        throw std::out_of_range("no background style");
    }
    return style == 1;
}

} // namespace

void CommandProperties::ReadProperties(const PropertyBag& record, const FontDesign& ambientFont) {
    // Each entry on its own: one that cannot be converted, or that the caption cannot show,
    // leaves its value as it was.
    SkipOnError([&] { state_.SetIsEnabled(ToBool(record.Read("Enabled", true))); });
    SkipOnError([&] {
        const std::string caption = ToText(record.Read("Caption", "Command1"s));
        view_.ShowCaption(caption);
        caption_ = caption;
    });
    SkipOnError([&] {
        const FontDesign font = ToFont(record.Read("Font", ambientFont));
        view_.ShowCaptionFont(font);
        font_ = font;
    });
    SkipOnError([&] {
        firstRun_ = static_cast<std::uint8_t>(ToInteger(record.Read("FirstRun", "1"s), 0, 255));
    });
    SkipOnError([&] {
        const auto colour = static_cast<std::uint32_t>(
            ToInteger(record.Read("FontColour", "0"s), INT32_MIN, UINT32_MAX));
        view_.ShowCaptionColour(colour);
        colour_ = colour;
    });
    SkipOnError([&] {
        const bool opaque = OpaqueOf(record.Read("Visible", "1"s));
        view_.ShowOpaque(opaque);
        opaque_ = opaque;
    });
    ApplyCaptionStyle();
}

void CommandProperties::WriteProperties(PropertyBag& record, const FontDesign& ambientFont) {
    SkipOnError([&] { record.Write("Enabled", state_.IsEnabled(), true); });
    SkipOnError([&] { record.Write("Caption", caption_, "Command"s); });
    SkipOnError([&] { record.Write("FirstRun", std::int64_t{firstRun_}, "1"s); });
    SkipOnError([&] { record.Write("Font", font_, ambientFont); });
    // A 32-bit number, as the runtime holds colours: system colours come out negative.
    SkipOnError([&] {
        record.Write("FontColour", std::int64_t{static_cast<std::int32_t>(colour_)}, "0"s);
    });
    SkipOnError([&] { record.Write("Visible", std::int64_t{opaque_ ? 1 : 0}, "1"s); });
    ApplyCaptionStyle();
}

} // namespace lumo
