#pragma once
// The snapshot's mipmap levels, made here rather than by the system's builder, which takes
// several times longer on a screen-sized picture: the picture is scaled once to the power-of-two
// size that builder would choose, by averaging the area each texel covers, and every further
// level is the mean of 2 x 2 texels of the one above (of 2 texels once a side is down to one).
// The levels are handed out in strips of a few rows as they are made, so that no level is ever
// held whole: fresh memory is dear under Wine, and the texture keeps its own copy anyway.
// Platform-free; the caller uploads the strips.

#include <cstddef>
#include <cstdint>
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

struct LevelSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// Every level's size, from the picture's down to 1 x 1; level 0 is side-limited to maxSide (the
// GL's largest texture) by halving, as the system's builder does. Empty for a picture without a
// positive size.
std::vector<LevelSize> PyramidLevels(std::int32_t width, std::int32_t height, std::int32_t maxSide);

// Receives the levels: rows firstRow to firstRow + rows - 1 of a level, tightly packed, four
// bytes per texel: red, green, blue and 255, the order in which the GL keeps texels, so that
// handing them over is a plain copy. Each level's rows come in order and exactly once; the bytes
// are valid only during the call.
class StripSink {
  public:
    virtual ~StripSink() = default;
    virtual void Strip(std::size_t level, std::int32_t firstRow, std::int32_t rows,
                       const std::uint8_t* texels) = 0;
};

// Makes the levels (as PyramidLevels gives them for the picture) and hands them to sink.
// False, with nothing handed out, when the picture has no positive size or the few rows of
// working memory cannot be allocated.
bool BuildPyramid(const PictureView& picture, const std::vector<LevelSize>& levels,
                  StripSink& sink);

} // namespace lumo
