#include "texture_pyramid.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace lumo {
namespace {

// The weight of one whole input texel along one side, in fixed point. Both passes together
// multiply by kOne * kOne, which a 32-bit sum of 255-valued texels holds with room to spare.
constexpr std::uint32_t kOne = 256;

// How one side of the output is made from the same side of the input. Input texel k spans
// [k * out, (k + 1) * out) and output texel j spans [j * in, (j + 1) * in) on a common scale;
// each input texel weighs by its share of the output texel's span. Every output texel reads
// `taps` consecutive inputs from first[j], the ones beyond its span with weight 0, so the inner
// loops have a fixed length and never leave the picture.
struct AxisFilter {
    int taps = 1;
    std::vector<std::int32_t> first;
    std::vector<std::uint32_t> weights; // taps per output texel, summing to kOne
};

AxisFilter MakeFilter(std::int32_t in, std::int32_t out) {
    AxisFilter f;
    const std::int64_t in64 = in;
    const std::int64_t out64 = out;
    // A span of in / out input texels touches at most ceil(in / out) + 1 of them.
    f.taps = static_cast<int>(std::min<std::int64_t>((in64 + out64 - 1) / out64 + 1, in64));
    const auto taps = static_cast<std::size_t>(f.taps);
    f.first.resize(static_cast<std::size_t>(out));
    f.weights.assign(static_cast<std::size_t>(out) * taps, 0);
    std::vector<std::uint32_t> span(taps + 1, 0);
    for (std::int64_t j = 0; j < out64; ++j) {
        const std::int64_t low = j * in64;
        const std::int64_t high = low + in64;
        const std::int64_t k0 = low / out64;
        std::size_t count = 0;
        std::uint32_t before = 0;
        // Cumulative weights, rounded, so each span's weights add up to exactly kOne.
        for (std::int64_t k = k0; k * out64 < high; ++k) {
            const std::int64_t end = std::min((k + 1) * out64, high);
            const auto upTo =
                static_cast<std::uint32_t>(((end - low) * kOne * 2 + in64) / (in64 * 2));
            span[count++] = upTo - before;
            before = upTo;
        }
        // Near the far edge the window starts earlier, with leading zero weights.
        const std::int64_t start = std::min(k0, in64 - static_cast<std::int64_t>(taps));
        const auto shift = static_cast<std::size_t>(k0 - start);
        f.first[static_cast<std::size_t>(j)] = static_cast<std::int32_t>(start);
        std::uint32_t* w = &f.weights[static_cast<std::size_t>(j) * taps];
        for (std::size_t t = 0; t < count; ++t) {
            w[t + shift] = span[t];
        }
    }
    return f;
}

// kTaps 0: the tap count is read from the filter.
template <int kTaps>
void HorizontalPass(const AxisFilter& f, const std::uint16_t* rows, std::uint8_t* out,
                    std::int32_t outWidth) {
    const int taps = kTaps != 0 ? kTaps : f.taps;
    const std::uint32_t* w = f.weights.data();
    for (std::int32_t j = 0; j < outWidth; ++j, w += taps) {
        const std::uint16_t* in =
            rows + static_cast<std::size_t>(f.first[static_cast<std::size_t>(j)]) * 3;
        std::uint32_t b = 0;
        std::uint32_t g = 0;
        std::uint32_t r = 0;
        for (int t = 0; t < taps; ++t, in += 3) {
            b += w[t] * in[0];
            g += w[t] * in[1];
            r += w[t] * in[2];
        }
        constexpr std::uint32_t kHalf = kOne * kOne / 2;
        out[0] = static_cast<std::uint8_t>((b + kHalf) >> 16);
        out[1] = static_cast<std::uint8_t>((g + kHalf) >> 16);
        out[2] = static_cast<std::uint8_t>((r + kHalf) >> 16);
        out += 3;
    }
}

// Level 0: rows first (into one row of 16-bit sums), then texels along the row.
void Resample(const PictureView& picture, std::uint8_t* out, std::int32_t outWidth,
              std::int32_t outHeight) {
    const AxisFilter across = MakeFilter(picture.width, outWidth);
    const AxisFilter down = MakeFilter(picture.height, outHeight);
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 3;
    std::vector<std::uint16_t> sums(rowBytes);
    const auto taps = static_cast<std::size_t>(down.taps);
    for (std::int32_t i = 0; i < outHeight; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        const std::uint32_t* w = &down.weights[at * taps];
        const std::uint8_t* row =
            picture.pixels + static_cast<std::size_t>(down.first[at]) * picture.stride;
        for (std::size_t x = 0; x < rowBytes; ++x) {
            sums[x] = static_cast<std::uint16_t>(w[0] * row[x]);
        }
        for (std::size_t t = 1; t < taps; ++t) {
            row += picture.stride;
            const auto weight = static_cast<std::uint16_t>(w[t]);
            if (weight == 0) {
                continue;
            }
            for (std::size_t x = 0; x < rowBytes; ++x) {
                sums[x] = static_cast<std::uint16_t>(sums[x] + weight * row[x]);
            }
        }
        std::uint8_t* target = out + at * static_cast<std::size_t>(outWidth) * 3;
        switch (across.taps) {
        case 1:
            HorizontalPass<1>(across, sums.data(), target, outWidth);
            break;
        case 2:
            HorizontalPass<2>(across, sums.data(), target, outWidth);
            break;
        case 3:
            HorizontalPass<3>(across, sums.data(), target, outWidth);
            break;
        default:
            HorizontalPass<0>(across, sums.data(), target, outWidth);
            break;
        }
    }
}

// The next level: each texel the rounded mean of the 2 x 2 above it. A side already at one
// texel reads its one texel twice, which makes the mean of the two along the other side.
void Halve(const PyramidLevel& from, std::uint8_t* out, std::int32_t width, std::int32_t height) {
    const std::size_t across = from.width > 1 ? 3 : 0;
    const std::size_t fromRow = static_cast<std::size_t>(from.width) * 3;
    const std::size_t down = from.height > 1 ? fromRow : 0;
    const std::size_t rowStep = from.height > 1 ? 2 * fromRow : fromRow;
    const std::size_t texelStep = from.width > 1 ? 6 : 3;
    const std::uint8_t* row = from.texels;
    for (std::int32_t y = 0; y < height; ++y, row += rowStep) {
        const std::uint8_t* p = row;
        for (std::int32_t x = 0; x < width; ++x, p += texelStep) {
            for (std::size_t c = 0; c < 3; ++c) {
                *out++ = static_cast<std::uint8_t>(
                    (p[c] + p[c + across] + p[c + down] + p[c + down + across] + 2) >> 2);
            }
        }
    }
}

std::size_t LevelBytes(std::int32_t width, std::int32_t height) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3;
}

} // namespace

std::int32_t BuilderSide(std::int32_t side) {
    if (side < 1) {
        return 0;
    }
    std::int64_t power = 1;
    for (std::uint32_t value = static_cast<std::uint32_t>(side); value > 1; value >>= 1) {
        if (value == 3) {
            return static_cast<std::int32_t>(power * 4);
        }
        power *= 2;
    }
    return static_cast<std::int32_t>(power);
}

TexturePyramid TexturePyramid::Build(const PictureView& picture, std::int32_t maxSide) {
    TexturePyramid pyramid;
    if (picture.pixels == nullptr || picture.width < 1 || picture.height < 1) {
        return pyramid;
    }
    const std::int32_t limit = std::max<std::int32_t>(maxSide, 1);
    std::int32_t width = BuilderSide(picture.width);
    std::int32_t height = BuilderSide(picture.height);
    while (width > limit) {
        width /= 2;
    }
    while (height > limit) {
        height /= 2;
    }

    const bool inPlace = width == picture.width && height == picture.height &&
                         picture.stride == LevelBytes(width, 1);
    std::vector<PyramidLevel> levels;
    std::size_t total = 0;
    for (std::int32_t w = width, h = height;; w = std::max(w / 2, 1), h = std::max(h / 2, 1)) {
        if (!(inPlace && levels.empty())) {
            total += LevelBytes(w, h);
        }
        levels.push_back(PyramidLevel{w, h, nullptr});
        if (w == 1 && h == 1) {
            break;
        }
    }
    if (total != 0) {
        pyramid.storage_.reset(new (std::nothrow) std::uint8_t[total]);
        if (!pyramid.storage_) {
            return pyramid;
        }
    }

    std::uint8_t* next = pyramid.storage_.get();
    for (std::size_t i = 0; i < levels.size(); ++i) {
        PyramidLevel& level = levels[i];
        if (i == 0 && inPlace) {
            level.texels = picture.pixels;
            continue;
        }
        if (i == 0) {
            Resample(picture, next, level.width, level.height);
        } else {
            Halve(levels[i - 1], next, level.width, level.height);
        }
        level.texels = next;
        next += LevelBytes(level.width, level.height);
    }
    pyramid.levels_ = std::move(levels);
    return pyramid;
}

} // namespace lumo
