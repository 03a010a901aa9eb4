#pragma once
// A CommandView that writes down what the logic asks of the window, one line per call, and can
// be told to fail some calls as the platform's would.

#include "command_view.h"

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumo::test {

inline std::string FaceName(Face face) {
    switch (face) {
    case Face::Normal:
        return "Normal";
    case Face::HighLight:
        return "HighLight";
    case Face::HighLightSelect:
        return "HighLightSelect";
    case Face::Pressed:
        return "Pressed";
    case Face::Disable:
        return "Disable";
    case Face::Selected:
        return "Selected";
    }
    return "?";
}

class RecordingView : public CommandView {
  public:
    std::vector<std::string> log;
    // Names of calls that throw ("PaintFace", "ShowCaptionColour" ...).
    std::set<std::string> failing;

    void PaintFace(Face face, bool gradientInverted) override {
        Note("PaintFace", FaceName(face) + (gradientInverted ? " inverted" : ""));
    }
    void RaiseClick() override { Note("RaiseClick", "Click"); }
    void StartHoverTimer(unsigned intervalMs) override {
        Note("StartHoverTimer", "timer " + std::to_string(intervalMs));
    }
    void ShowCaptionEnabled(bool enabled) override {
        Note("ShowCaptionEnabled", enabled ? "caption on" : "caption off");
    }
    void ShowCaption(const std::string& caption) override {
        Note("ShowCaption", "caption '" + caption + "'");
    }
    void ShowCaptionFont(const FontDesign& font) override {
        Note("ShowCaptionFont", "font " + std::to_string(font.weight));
    }
    void ShowCaptionColour(std::uint32_t colour) override {
        Note("ShowCaptionColour", "colour " + std::to_string(colour));
    }
    void ShowOpaque(bool opaque) override { Note("ShowOpaque", opaque ? "opaque" : "transparent"); }
    void MarkChanged(const std::string& property) override {
        Note("MarkChanged", "changed " + property);
    }

    // The faces drawn, in order, without the other calls.
    std::vector<std::string> Faces() const {
        std::vector<std::string> faces;
        for (const auto& line : log) {
            if (line.rfind("draw ", 0) == 0) {
                faces.push_back(line.substr(5));
            }
        }
        return faces;
    }

  private:
    void Note(const std::string& call, const std::string& line) {
        if (failing.count(call) != 0) {
            log.push_back("failed " + call);
            throw std::runtime_error(call + " failed");
        }
        log.push_back(call == "PaintFace" ? "draw " + line : line);
    }
};

} // namespace lumo::test
