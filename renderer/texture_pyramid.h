#pragma once
// The snapshot's mipmap levels, made here rather than by the system's builder, which takes
// several times longer on a screen-sized picture: the picture is scaled once to the power-of-two
// size that builder would choose, by averaging the area each texel covers, and every further
// level is the mean of 2 x 2 texels of the one above (of 2 texels once a side is down to one).
// Platform-free; the caller uploads the levels.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace lumo {

// The side the system's builder gives a texture for a picture side: the nearest power of two,
// where a side of 3 x 2^k rounds up. 0 for a side below 1.
std::int32_t BuilderSide(std::int32_t side);

// Rows of blue, green, red bytes, the first row the bottom one, rows stride bytes apart.
struct PictureView {
    const std::uint8_t* pixels = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::size_t stride = 0;
};

// One level: tightly packed rows of three bytes per texel.
struct PyramidLevel {
    std::int32_t width = 0;
    std::int32_t height = 0;
    const std::uint8_t* texels = nullptr;
};

class TexturePyramid {
  public:
    // Every level, from the picture down to 1 x 1. Level 0 is side-limited to maxSide (the GL's
    // largest texture) by halving, as the system's builder does. Empty when the picture has no
    // positive size or the levels cannot be allocated. A picture that already has the level's
    // size and no row padding is used as level 0 in place, so it must outlive the pyramid.
    static TexturePyramid Build(const PictureView& picture, std::int32_t maxSide);

    bool empty() const { return levels_.empty(); }
    std::size_t levelCount() const { return levels_.size(); }
    const PyramidLevel& level(std::size_t i) const { return levels_[i]; }

  private:
    std::unique_ptr<std::uint8_t[]> storage_;
    std::vector<PyramidLevel> levels_;
};

} // namespace lumo
