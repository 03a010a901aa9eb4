#include "command_state.h"
#include "recording_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

using Lines = std::vector<std::string>;
constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kMiddle = 4;

class CommandStateTest : public ::testing::Test {
  protected:
    test::RecordingView view;
    CommandState state{view};

    // An enabled button whose form has loaded: state 1, the timer running.
    void Start() {
        state.SetIsEnabled(true);
        state.Initialize();
        view.log.clear();
    }
    // Brings the started button into a state the way the user would.
    void Reach(int faceState) {
        Start();
        switch (faceState) {
        case 2:
            state.MouseMove();
            break;
        case 3:
            state.GotFocus();
            break;
        case 4:
            state.GotFocus();
            state.MouseMove();
            break;
        default:
            break;
        }
        ASSERT_EQ(state.FaceState(), faceState);
        view.log.clear();
    }
};

TEST_F(CommandStateTest, ANewButtonIsNotStartedAndInitializeStartsTheTimer) {
    EXPECT_EQ(state.FaceState(), 0);
    EXPECT_FALSE(state.MouseIsDown());
    EXPECT_FALSE(state.IsEnabled());
    EXPECT_FALSE(state.GradientInverted());
    state.Initialize();
    EXPECT_EQ(state.FaceState(), 1);
    EXPECT_EQ(view.log, Lines{"timer 100"}); // and no face drawn
}

// The rows of the state table, in its order.

TEST_F(CommandStateTest, Row1_GotFocusOutsideHoverSelects) {
    for (const int from : {1, 3, 4}) {
        Reach(from);
        state.GotFocus();
        EXPECT_EQ(state.FaceState(), 3) << "from " << from;
        EXPECT_EQ(view.log, Lines{"draw Selected"}) << "from " << from;
    }
}

TEST_F(CommandStateTest, Row2_GotFocusWhileHoveredGoesToState4WithThePressedFace) {
    Reach(2);
    state.GotFocus();
    EXPECT_EQ(state.FaceState(), 4);
    EXPECT_EQ(view.log, Lines{"draw Pressed inverted"});
}

TEST_F(CommandStateTest, Row3_LostFocusReturnsToIdleUnlessIdleAlready) {
    for (const int from : {2, 3, 4}) {
        Reach(from);
        state.LostFocus();
        EXPECT_EQ(state.FaceState(), 1) << "from " << from;
        EXPECT_EQ(view.log, Lines{"draw Normal"}) << "from " << from;
    }
    Reach(1);
    state.LostFocus();
    EXPECT_TRUE(view.log.empty());
}

TEST_F(CommandStateTest, Row4_LeftPressDrawsPressedAndKeepsTheState) {
    for (const int from : {1, 2, 3, 4}) {
        Reach(from);
        state.MouseDown(kLeft);
        EXPECT_EQ(state.FaceState(), from);
        EXPECT_TRUE(state.MouseIsDown());
        ASSERT_EQ(view.log.size(), 1u);
        EXPECT_EQ(view.log[0].rfind("draw Pressed", 0), 0u);
        state.MouseUp(kLeft); // leave the button up for the next round
    }
}

TEST_F(CommandStateTest, Row5_RightAndMiddlePressesDoNothing) {
    Reach(2);
    state.MouseDown(kRight);
    state.MouseDown(kMiddle);
    EXPECT_FALSE(state.MouseIsDown());
    EXPECT_EQ(state.FaceState(), 2);
    EXPECT_TRUE(view.log.empty());
}

TEST_F(CommandStateTest, Row6_MoveFromIdleHoversAndStopsThere) {
    Reach(1);
    state.MouseMove();
    EXPECT_EQ(state.FaceState(), 2);
    EXPECT_EQ(view.log, Lines{"draw HighLight inverted"});
    state.MouseMove(); // already hovered: nothing more
    EXPECT_EQ(view.log.size(), 1u);
}

TEST_F(CommandStateTest, Row7_MoveWhileFocusedHoversUnlessTheButtonIsDown) {
    Reach(3);
    state.MouseDown(kLeft);
    view.log.clear();
    state.MouseMove();
    EXPECT_EQ(state.FaceState(), 3);
    EXPECT_TRUE(view.log.empty());
    state.MouseUp(kLeft);
    view.log.clear();
    state.MouseMove();
    EXPECT_EQ(state.FaceState(), 4);
    EXPECT_EQ(view.log, Lines{"draw HighLightSelect inverted"});
}

TEST_F(CommandStateTest, Row8_LeftReleaseRedrawsHoverFacesAndRow9RaisesClick) {
    Reach(2);
    state.MouseDown(kLeft);
    view.log.clear();
    state.MouseUp(kLeft);
    EXPECT_FALSE(state.MouseIsDown());
    EXPECT_EQ(state.FaceState(), 2); // the Normal face, the state stays hovered
    EXPECT_EQ(view.log, (Lines{"draw Normal inverted", "Click"}));

    Reach(4);
    state.MouseDown(kLeft);
    view.log.clear();
    state.MouseUp(kLeft);
    EXPECT_EQ(view.log, (Lines{"draw HighLightSelect inverted", "Click"}));

    Reach(1); // a release without a face to redraw still clicks
    state.MouseUp(kLeft);
    EXPECT_EQ(view.log, Lines{"Click"});
}

TEST_F(CommandStateTest, Row9_ReleaseOfAnyButtonClicksUnlessFocusedWithTheCursorGone) {
    for (const int button : {kLeft, kRight, kMiddle}) {
        for (const int from : {1, 2, 4}) {
            Reach(from);
            state.MouseUp(button);
            ASSERT_FALSE(view.log.empty());
            EXPECT_EQ(view.log.back(), "Click") << button << " in " << from;
        }
        Reach(3);
        state.MouseUp(button);
        EXPECT_TRUE(view.log.empty()) << button;
    }
}

TEST_F(CommandStateTest, Row10_TickOffTheButtonEndsTheHover) {
    Reach(2);
    state.Tick(true); // over its own window: nothing, and nothing drawn
    EXPECT_TRUE(view.log.empty());
    state.Tick(false);
    EXPECT_EQ(state.FaceState(), 1);
    EXPECT_EQ(view.log, Lines{"draw Normal"});
    view.log.clear();
    state.Tick(false); // a tick that changes nothing draws nothing
    EXPECT_TRUE(view.log.empty());

    Reach(4);
    state.Tick(false);
    EXPECT_EQ(state.FaceState(), 3);
    EXPECT_EQ(view.log, Lines{"draw Selected"});
    view.log.clear();
    state.Tick(false);
    EXPECT_TRUE(view.log.empty());
}

TEST_F(CommandStateTest, Row11_ResizeShowsTheEnabledStateEvenWhenDisabled) {
    Reach(2);
    state.Resize();
    // The Normal picture over the hover gradient: the gradient follows the state.
    EXPECT_EQ(view.log, (Lines{"draw Normal inverted", "caption on"}));
    EXPECT_EQ(state.FaceState(), 2);
    state.SetIsEnabled(false);
    view.log.clear();
    state.Resize();
    EXPECT_EQ(view.log, (Lines{"draw Disable inverted", "caption off"}));
    EXPECT_EQ(state.FaceState(), 2);
}

// The edge cases.

TEST_F(CommandStateTest, ATypicalClick) {
    Reach(1);
    state.MouseMove();      // 1 -> 2
    state.GotFocus();       // the press brings the focus first here: 2 -> 4
    state.MouseDown(kLeft); // Pressed
    state.MouseUp(kLeft);   // HighLightSelect, Click
    state.Tick(false);      // the cursor left: 4 -> 3
    state.LostFocus();      // 3 -> 1
    EXPECT_EQ(view.log,
              (Lines{"draw HighLight inverted", "draw Pressed inverted", "draw Pressed inverted",
                     "draw HighLightSelect inverted", "Click", "draw Selected", "draw Normal"}));
}

TEST_F(CommandStateTest, PressDragOutTickAndReleaseOutsideRaisesNoClick) {
    Reach(1);
    state.MouseMove();
    state.GotFocus();
    state.MouseDown(kLeft);
    state.MouseMove(); // dragged (captured moves still come)
    state.Tick(false);
    EXPECT_EQ(state.FaceState(), 3);
    view.log.clear();
    state.MouseUp(kLeft);
    EXPECT_TRUE(view.log.empty());
    EXPECT_FALSE(state.MouseIsDown());
}

TEST_F(CommandStateTest, DragOutTickAndBackInBeforeReleaseRaisesNoClick) {
    Reach(1);
    state.MouseMove();
    state.GotFocus();
    state.MouseDown(kLeft);
    state.Tick(false); // out: Selected
    state.MouseMove(); // back in with the button down: stays Selected
    EXPECT_EQ(state.FaceState(), 3);
    view.log.clear();
    state.MouseUp(kLeft);
    EXPECT_TRUE(view.log.empty()); // no Click, and the face stays Selected
    state.MouseMove();             // the next move without the button
    EXPECT_EQ(view.log, Lines{"draw HighLightSelect inverted"});
}

TEST_F(CommandStateTest, ReleaseOutsideBeforeATickClicks) {
    Reach(1);
    state.MouseMove();
    state.GotFocus();
    state.MouseDown(kLeft);
    view.log.clear();
    state.MouseUp(kLeft); // outside, but no tick has seen the cursor go
    EXPECT_EQ(view.log.back(), "Click");
}

TEST_F(CommandStateTest, TabFocusWhileHoveredKeepsThePressedFaceUntilSomethingElseHappens) {
    Reach(2);
    state.GotFocus();
    EXPECT_EQ(view.log, Lines{"draw Pressed inverted"});
    state.MouseMove(); // state 4: moves change nothing
    state.Tick(true);
    EXPECT_EQ(view.log.size(), 1u);
    state.MouseUp(kLeft); // a left release shows HighLightSelect
    EXPECT_EQ(view.log, (Lines{"draw Pressed inverted", "draw HighLightSelect inverted", "Click"}));
}

TEST_F(CommandStateTest, DisabledEventsChangeNothing) {
    Reach(4);
    state.MouseDown(kLeft);
    state.SetIsEnabled(false);
    view.log.clear();
    state.GotFocus();
    state.LostFocus();
    state.MouseDown(kRight);
    state.MouseMove();
    state.MouseUp(kLeft);
    state.MouseUp(kRight);
    state.Tick(false);
    state.EndHover();
    EXPECT_TRUE(view.log.empty());
    EXPECT_EQ(state.FaceState(), 4);
    EXPECT_TRUE(state.MouseIsDown());
}

TEST_F(CommandStateTest, BeforeInitializeMovesChangeNothingButFocusDoes) {
    state.SetIsEnabled(true);
    state.MouseMove();
    state.Tick(false);
    EXPECT_EQ(state.FaceState(), 0);
    EXPECT_TRUE(view.log.empty());
    state.GotFocus(); // focus still moves it out of state 0
    EXPECT_EQ(state.FaceState(), 3);
    state.LostFocus();
    EXPECT_EQ(state.FaceState(), 1);
}

TEST_F(CommandStateTest, TheGradientIsInvertedExactlyInTheHoveredStates) {
    state.SetIsEnabled(true);
    state.ShowEnabledState(); // state 0: as idle
    EXPECT_FALSE(state.GradientInverted());
    // State 4 reached from 3 (light-to-shade before) and from 2 (shade-to-light before) looks
    // the same.
    Reach(4);
    EXPECT_TRUE(state.GradientInverted());
    Reach(2);
    state.GotFocus();
    EXPECT_TRUE(state.GradientInverted());
    state.Tick(false);
    EXPECT_FALSE(state.GradientInverted());
}

TEST_F(CommandStateTest, AFailingDrawingIsSkippedAndTheClickStillComes) {
    Reach(2);
    view.failing = {"PaintFace"};
    state.MouseUp(kLeft);
    EXPECT_EQ(view.log, (Lines{"failed PaintFace", "Click"}));
    EXPECT_EQ(state.FaceState(), 2);
}

} // namespace
} // namespace lumo
