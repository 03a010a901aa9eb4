#include "star_field.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using lumo::StarCount;
using lumo::StarField;

std::uint32_t StateAfter(int draws) {
    lumo::SceneRandom random;
    for (int i = 0; i < draws; ++i) {
        random.Next();
    }
    return random.state();
}

TEST(StarField, InitDrawsSevenValuesPerStarInOrder) {
    StarField f;
    lumo::InitStars(f);
    EXPECT_EQ(f.random.state(), StateAfter(42));

    // Star 0 from the first seven draws: 41, 18467, 6334, 26500, 19169, 15724, 11478.
    EXPECT_FLOAT_EQ(f.angle[0], static_cast<float>(41.0 / 32768.0 * 360.0));
    EXPECT_FLOAT_EQ(f.red[0], static_cast<float>(18467.0 / 32768.0));
    EXPECT_FLOAT_EQ(f.green[0], static_cast<float>(6334.0 / 32768.0));
    EXPECT_FLOAT_EQ(f.blue[0], static_cast<float>(26500.0 / 32768.0));
    EXPECT_FLOAT_EQ(f.growth[0], static_cast<float>(0.5 + 19169.0 / 32768.0 * double{0.3f}));
    EXPECT_FLOAT_EQ(f.maxScale[0], static_cast<float>(1.0 + 15724.0 / 32768.0));
    EXPECT_FLOAT_EQ(f.scale[0], static_cast<float>(3.0 + 11478.0 / 32768.0));

    for (int i = 0; i < StarCount; ++i) {
        EXPECT_GE(f.scale[i], 3.0f);
        EXPECT_LT(f.scale[i], 4.0f);
        EXPECT_GE(f.maxScale[i], 1.0f);
        EXPECT_LT(f.maxScale[i], 2.0f);
        EXPECT_GE(f.growth[i], 0.5f);
        EXPECT_LT(f.growth[i], 0.8f);
        EXPECT_GE(f.angle[i], 0.0f);
        EXPECT_LT(f.angle[i], 360.0f);
        // Beyond maxScale: drawn black on the first frame.
        EXPECT_LT(lumo::StarBrightness(f, i), 0.0f);
    }
}

TEST(StarField, EveryStarIsBornAgainOnTheFirstFrame) {
    for (float step : {0.0f, 0.016f, 2.5f}) {
        StarField f;
        lumo::InitStars(f);
        const StarField before = f;
        for (int i = 0; i < StarCount; ++i) {
            lumo::AdvanceStar(f, i, step);
        }
        EXPECT_EQ(f.random.state(), StateAfter(42 + 36)) << "step " << step;
        for (int i = 0; i < StarCount; ++i) {
            EXPECT_EQ(f.scale[i], 0.0f);
            EXPECT_NE(f.angle[i], before.angle[i]);
        }
    }
}

TEST(StarField, BirthsOfSetUpAndFirstFrameAreTheSameEveryRun) {
    StarField a;
    StarField b;
    lumo::InitStars(a);
    lumo::InitStars(b);
    for (int i = 0; i < StarCount; ++i) {
        lumo::AdvanceStar(a, i, 0.01f);
        lumo::AdvanceStar(b, i, 0.5f);
    }
    EXPECT_EQ(a.angle, b.angle);
    EXPECT_EQ(a.red, b.red);
    EXPECT_EQ(a.maxScale, b.maxScale);
    EXPECT_EQ(a.growth, b.growth);
}

TEST(StarField, BrightnessIsFullUntilTheLastUnitThenFades) {
    StarField f;
    f.maxScale[0] = 1.75f;
    f.scale[0] = 0.75f; // exactly maxScale - 1
    EXPECT_EQ(lumo::StarBrightness(f, 0), 1.0f);
    f.scale[0] = 0.0f;
    EXPECT_EQ(lumo::StarBrightness(f, 0), 1.0f);
    f.scale[0] = 1.25f;
    EXPECT_FLOAT_EQ(lumo::StarBrightness(f, 0), 0.5f);
    f.scale[0] = 1.7499f;
    EXPECT_NEAR(lumo::StarBrightness(f, 0), 0.0001f, 1e-6f);
    f.scale[0] = 1.75f;
    EXPECT_EQ(lumo::StarBrightness(f, 0), 0.0f);

    // maxScale 1: fades from birth, starting at 1.
    f.maxScale[1] = 1.0f;
    f.scale[1] = 0.0f;
    EXPECT_EQ(lumo::StarBrightness(f, 1), 1.0f);
    f.scale[1] = 0.25f;
    EXPECT_FLOAT_EQ(lumo::StarBrightness(f, 1), 0.75f);
}

TEST(StarField, RebirthOnlyWhenStrictlyPastMaxScale) {
    StarField f;
    f.maxScale[2] = 1.5f;
    f.growth[2] = 0.5f;
    f.scale[2] = 1.0f;
    lumo::AdvanceStar(f, 2, 1.0f); // lands exactly on maxScale
    EXPECT_EQ(f.scale[2], 1.5f);
    EXPECT_EQ(f.random.state(), 1u) << "no draw without a birth";

    lumo::AdvanceStar(f, 2, 0.001f);
    EXPECT_EQ(f.scale[2], 0.0f);
    EXPECT_EQ(f.random.state(), StateAfter(6));
}

TEST(StarField, GrowthIsProportionalToTheTimeStep) {
    StarField f;
    f.maxScale[3] = 1.9f;
    f.growth[3] = 0.6f;
    lumo::AdvanceStar(f, 3, 0.5f);
    EXPECT_FLOAT_EQ(f.scale[3], 0.3f);
    lumo::AdvanceStar(f, 3, 0.25f);
    EXPECT_FLOAT_EQ(f.scale[3], 0.45f);
}

TEST(StarField, SceneAnglesTurnAtTheirRatesAndWrapOnce) {
    StarField f;
    lumo::AdvanceSceneAngles(f, 2.0f);
    EXPECT_FLOAT_EQ(f.sceneAngleX, 10.0f);
    EXPECT_FLOAT_EQ(f.sceneAngleY, 20.0f);
    EXPECT_FLOAT_EQ(f.sceneAngleZ, 14.0f);

    // Exactly 360 is not above 360: kept.
    StarField g;
    lumo::AdvanceSceneAngles(g, 72.0f); // x: 360
    EXPECT_EQ(g.sceneAngleX, 360.0f);

    // A long first frame: one subtraction only, the angle stays above 360.
    StarField h;
    lumo::AdvanceSceneAngles(h, 100.0f);
    EXPECT_FLOAT_EQ(h.sceneAngleX, 140.0f);
    EXPECT_FLOAT_EQ(h.sceneAngleY, 640.0f);
    EXPECT_FLOAT_EQ(h.sceneAngleZ, 340.0f);
    lumo::AdvanceSceneAngles(h, 0.0f);
    EXPECT_FLOAT_EQ(h.sceneAngleY, 280.0f);
}

} // namespace
