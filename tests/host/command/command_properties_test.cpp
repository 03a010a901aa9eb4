#include "command_properties.h"
#include "command_state.h"
#include "recording_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

FontDesign Bold() {
    FontDesign font;
    font.weight = 700;
    return font;
}

FontDesign Ambient() {
    FontDesign font;
    font.name = L"Arial";
    font.points = 12;
    return font;
}

class CommandPropertiesTest : public ::testing::Test {
  protected:
    test::RecordingView view;
    CommandState state{view};
    CommandProperties properties{state, view, FontDesign{}};

    void Load(const PropertyBag& record) {
        properties.ReadProperties(record, Ambient());
        view.log.clear();
    }
    PropertyBag Save() {
        PropertyBag record;
        properties.WriteProperties(record, Ambient());
        view.log.clear();
        return record;
    }
};

TEST_F(CommandPropertiesTest, ANewInstanceIsDisabledBlackAndOpaqueUntilEnabledIsFirstRead) {
    EXPECT_EQ(properties.Caption(), "Command");
    EXPECT_EQ(properties.FirstRun(), 0);
    EXPECT_EQ(properties.CaptionColour(), 0u);
    EXPECT_TRUE(properties.Opaque());
    EXPECT_FALSE(state.IsEnabled());
    state.Resize();
    EXPECT_EQ(view.Faces(), Lines{"Disable"});
    view.log.clear();

    // The first read switches it on: ApplyCaptionStyle does nothing yet (disabled), then the
    // enabled state is shown.
    EXPECT_TRUE(properties.Enabled());
    EXPECT_EQ(properties.FirstRun(), 1);
    EXPECT_EQ(view.log, (Lines{"draw Normal", "caption on"}));
    // Saved now, FirstRun equals its default and is left out.
    EXPECT_FALSE(Save().Contains("FirstRun"));
}

TEST_F(CommandPropertiesTest, ARecordWithOnlyCaptionAndFontLoadsEnabledBlackAndOpaque) {
    // As the dialog stores its buttons: lower-case keys.
    properties.ReadProperties(PropertyBag{{"caption", "\x90\xdd\x92\xe8"s}, {"font", Bold()}},
                              Ambient());
    EXPECT_TRUE(state.IsEnabled());
    EXPECT_EQ(properties.Caption(), "\x90\xdd\x92\xe8");
    EXPECT_EQ(properties.Font().weight, 700);
    EXPECT_EQ(properties.FirstRun(), 1);
    EXPECT_EQ(properties.CaptionColour(), 0u);
    EXPECT_TRUE(properties.Opaque());
    // The steps in order, ending with ApplyCaptionStyle's Normal face.
    EXPECT_EQ(view.log, (Lines{"caption '\x90\xdd\x92\xe8'", "font 700", "colour 0", "opaque",
                               "caption on", "draw Normal"}));
}

TEST_F(CommandPropertiesTest, MissingFontTakesTheAmbientOne) {
    Load(PropertyBag{});
    EXPECT_EQ(properties.Font().name, L"Arial");
    EXPECT_EQ(properties.Caption(), "Command1");
}

TEST_F(CommandPropertiesTest, ACaptionOfCommandIsNotStoredAndComesBackAsCommand1) {
    Load(PropertyBag{});
    properties.SetCaption("Command");
    const PropertyBag saved = Save();
    EXPECT_FALSE(saved.Contains("Caption"));
    Load(saved);
    EXPECT_EQ(properties.Caption(), "Command1");
}

TEST_F(CommandPropertiesTest, AnEmptyCaptionIsStoredAndComesBackEmpty) {
    Load(PropertyBag{});
    properties.SetCaption("");
    const PropertyBag saved = Save();
    EXPECT_TRUE(saved.Contains("Caption"));
    Load(PropertyBag{{"Caption", "other"s}});
    Load(saved);
    EXPECT_EQ(properties.Caption(), "");
}

TEST_F(CommandPropertiesTest, ValuesEqualToTheirWritingDefaultsAreLeftOut) {
    Load(PropertyBag{});
    EXPECT_EQ(Save().Size(), 1u); // only the caption, "Command1" differing from "Command"
    properties.SetEnabled(false);
    properties.SetFontColour(255);
    properties.SetVisible(0);
    properties.SetFont(Bold());
    const PropertyBag saved = Save();
    EXPECT_EQ(saved.Size(), 5u);
    EXPECT_TRUE(ValuesEqual(saved.Read("enabled", true), false));
    EXPECT_TRUE(ValuesEqual(saved.Read("FONTCOLOUR", 0), 255));
    EXPECT_TRUE(ValuesEqual(saved.Read("Visible", 1), 0));

    CommandState otherState{view};
    CommandProperties other{otherState, view, FontDesign{}};
    other.ReadProperties(saved, Ambient());
    EXPECT_FALSE(otherState.IsEnabled());
    EXPECT_EQ(other.CaptionColour(), 255u);
    EXPECT_FALSE(other.Opaque());
    EXPECT_EQ(other.Font().weight, 700);
}

TEST_F(CommandPropertiesTest, UnconvertibleEntriesKeepTheirValues) {
    Load(PropertyBag{{"FontColour", "255"s}, {"Visible", "0"s}, {"Caption", "Keep"s}});
    properties.ReadProperties(PropertyBag{{"FontColour", "red"s},
                                          {"Visible", "7"s},
                                          {"FirstRun", "300"s},
                                          {"Enabled", "maybe"s},
                                          {"Caption", FontDesign{}},
                                          {"Font", "Arial"s}},
                              Ambient());
    EXPECT_EQ(properties.CaptionColour(), 255u);
    EXPECT_FALSE(properties.Opaque());
    EXPECT_EQ(properties.FirstRun(), 1);
    EXPECT_TRUE(state.IsEnabled());
    EXPECT_EQ(properties.Caption(), "Keep");
    EXPECT_EQ(properties.Font().name, L"Arial"); // the ambient font, read before
}

TEST_F(CommandPropertiesTest, VisibleReadsAs255Or0AndHidesOnlyTheFace) {
    Load(PropertyBag{});
    EXPECT_EQ(properties.Visible(), 255);
    EXPECT_EQ(view.log, (Lines{"caption on", "draw Normal"})); // the read redraws
    view.log.clear();
    properties.SetVisible(0);
    EXPECT_EQ(view.log, (Lines{"transparent", "changed Visible"}));
    view.log.clear();
    EXPECT_EQ(properties.Visible(), 0);
    EXPECT_TRUE(view.log.empty());
    properties.SetVisible(9);
    EXPECT_EQ(view.log, (Lines{"opaque", "caption on", "draw Normal", "changed Visible"}));
    EXPECT_EQ(properties.Visible(), 255);
}

TEST_F(CommandPropertiesTest, ReadingFontColourRedrawsNormalWithoutChangingTheState) {
    Load(PropertyBag{{"FontColour", "&HFF"s}});
    state.Initialize();
    state.MouseMove(); // hovered
    view.log.clear();
    EXPECT_EQ(properties.FontColour(), 255u);
    EXPECT_EQ(view.log, (Lines{"caption on", "draw Normal inverted"}));
    EXPECT_EQ(state.FaceState(), 2);
}

TEST_F(CommandPropertiesTest, WhileFirstRunIs0ANewColourIsResetToBlack) {
    Load(PropertyBag{{"FirstRun", "0"s}});
    properties.SetFontColour(255);
    EXPECT_EQ(properties.CaptionColour(), 0u);
    EXPECT_EQ(view.log,
              (Lines{"colour 255", "caption on", "colour 0", "draw Normal", "changed FontColour"}));
}

TEST_F(CommandPropertiesTest, StoredWithFirstRun0LoadsBlackWhateverTheColour) {
    Load(PropertyBag{{"FirstRun", 0}, {"FontColour", 255}});
    EXPECT_EQ(properties.CaptionColour(), 0u);
    EXPECT_EQ(properties.FirstRun(), 0);
    // A disabled one keeps its colour: ApplyCaptionStyle acts only while enabled.
    Load(PropertyBag{{"FirstRun", 0}, {"FontColour", 255}, {"Enabled", false}});
    EXPECT_EQ(properties.CaptionColour(), 255u);
}

TEST_F(CommandPropertiesTest, WritingEnabledShowsDisableOrNormalAndKeepsTheState) {
    Load(PropertyBag{});
    state.Initialize();
    state.MouseMove();
    view.log.clear();
    properties.SetEnabled(false);
    EXPECT_EQ(view.log, (Lines{"changed Enabled", "draw Disable inverted", "caption off"}));
    EXPECT_EQ(state.FaceState(), 2);
    view.log.clear();
    properties.SetEnabled(true);
    EXPECT_EQ(view.Faces(), Lines{"Normal inverted"});
    view.log.clear();
    EXPECT_TRUE(properties.Enabled()); // a read redraws too
    EXPECT_EQ(view.Faces(), Lines{"Normal inverted"});
}

TEST_F(CommandPropertiesTest, FailuresOfTheColourStepsFollowTheirOwnRules) {
    Load(PropertyBag{{"FontColour", 9}});
    // Writing: a failing step restyles the caption and leaves the change unmarked.
    view.failing = {"ShowCaptionColour"};
    properties.SetFontColour(7);
    EXPECT_EQ(view.log.front(), "failed ShowCaptionColour");
    for (const auto& line : view.log) {
        EXPECT_NE(line, "changed FontColour");
    }
    // The caption never took the colour: it keeps the old one, and so do a read and a save.
    EXPECT_EQ(properties.CaptionColour(), 9u);
    view.failing.clear();
    EXPECT_EQ(properties.FontColour(), 9u);
    EXPECT_TRUE(ValuesEqual(Save().Read("FontColour", 0), 9));
    // Loading a colour the caption rejects fails that step only: the old colour stays.
    view.failing = {"ShowCaptionColour"};
    properties.ReadProperties(PropertyBag{{"FontColour", 7}, {"Caption", "New"s}}, Ambient());
    EXPECT_EQ(properties.CaptionColour(), 9u);
    EXPECT_EQ(properties.Caption(), "New");
    // ApplyCaptionStyle: any failing step sets the colour to black and goes on.
    view.failing = {"ShowCaptionEnabled"};
    view.log.clear();
    properties.ApplyCaptionStyle();
    EXPECT_EQ(properties.CaptionColour(), 0u);
    EXPECT_EQ(view.log, (Lines{"failed ShowCaptionEnabled", "colour 0", "draw Normal"}));
}

TEST_F(CommandPropertiesTest, SystemColoursAndNegativeStoredColoursRoundTrip) {
    // The runtime stores system colours as negative 32-bit numbers.
    Load(PropertyBag{{"FontColour", "-2147483630"s}});
    EXPECT_EQ(properties.CaptionColour(), 0x80000012u);
    const PropertyBag saved = Save();
    EXPECT_TRUE(ValuesEqual(saved.Read("FontColour", 0), std::int64_t{-2147483630}));
    Load(PropertyBag{});
    Load(saved);
    EXPECT_EQ(properties.CaptionColour(), 0x80000012u);
}

} // namespace
} // namespace lumo
