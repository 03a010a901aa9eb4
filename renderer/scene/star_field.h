#pragma once
// The star field's state and motion, apart from any drawing: six stars that are born at the
// centre with random size, speed, turn and tint, grow, fade over their last scale unit and are
// born again, and the three angles by which the whole group turns.

#include "scene_random.h"

#include <array>

namespace lumo {

inline constexpr int StarCount = 6;

// Degrees per second about x, y and z.
inline constexpr float kSceneTurnX = 5.0f;
inline constexpr float kSceneTurnY = 10.0f;
inline constexpr float kSceneTurnZ = 7.0f;

struct StarField {
    using Lane = std::array<float, StarCount>;
    Lane scale{};
    Lane maxScale{};
    Lane growth{};
    Lane angle{};
    Lane red{};
    Lane green{};
    Lane blue{};
    float sceneAngleX = 0.0f;
    float sceneAngleY = 0.0f;
    float sceneAngleZ = 0.0f;
    SceneRandom random;
};

// Fresh random values for star i, drawn in a fixed order (six draws).
void RespawnStar(StarField& field, int i);

// The set-up births: each star is born, then pushed beyond any maxScale so that the first frame
// shows nothing and every star is born again together at its end (42 draws).
void InitStars(StarField& field);

// 1 while the star grows, falling linearly to 0 over its last scale unit. Negative beyond
// maxScale; the colour clamp turns that into black.
float StarBrightness(const StarField& field, int i);

// Grows star i by one frame, and gives it a new life once it is strictly past its maxScale.
void AdvanceStar(StarField& field, int i, float frameSeconds);

// Turns the group; each angle loses 360 at most once per advance.
void AdvanceSceneAngles(StarField& field, float frameSeconds);

} // namespace lumo
