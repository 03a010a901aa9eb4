#include "star_field.h"

namespace lumo {
namespace {

float Wrap(float angle) {
    return angle > 360.0f ? angle - 360.0f : angle;
}

} // namespace

void RespawnStar(StarField& f, int i) {
    f.scale[i] = 0.0f;
    f.angle[i] = static_cast<float>(RandomRange(f.random, 360.0f));
    f.red[i] = static_cast<float>(RandomRange(f.random, 1.0f));
    f.green[i] = static_cast<float>(RandomRange(f.random, 1.0f));
    f.blue[i] = static_cast<float>(RandomRange(f.random, 1.0f));
    f.growth[i] = static_cast<float>(0.5 + RandomRange(f.random, 0.3f));
    f.maxScale[i] = static_cast<float>(1.0 + RandomRange(f.random, 1.0f));
}

void InitStars(StarField& f) {
    for (int i = 0; i < StarCount; ++i) {
        RespawnStar(f, i);
        f.scale[i] = static_cast<float>(3.0 + RandomRange(f.random, 1.0f));
    }
}

float StarBrightness(const StarField& f, int i) {
    if (f.scale[i] <= f.maxScale[i] - 1.0f) {
        return 1.0f;
    }
    return f.maxScale[i] - f.scale[i];
}

void AdvanceStar(StarField& f, int i, float frameSeconds) {
    f.scale[i] = f.scale[i] + frameSeconds * f.growth[i];
    if (f.scale[i] > f.maxScale[i]) {
        RespawnStar(f, i);
    }
}

void AdvanceSceneAngles(StarField& f, float frameSeconds) {
    f.sceneAngleX = Wrap(f.sceneAngleX + kSceneTurnX * frameSeconds);
    f.sceneAngleY = Wrap(f.sceneAngleY + kSceneTurnY * frameSeconds);
    f.sceneAngleZ = Wrap(f.sceneAngleZ + kSceneTurnZ * frameSeconds);
}

} // namespace lumo
