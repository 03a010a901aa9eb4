#include "texture_pyramid.h"

#include <algorithm>
#include <memory>
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

// Level 0, a row at a time: the picture's rows first (into one row of 16-bit sums), then the
// texels along the row.
class RowResampler {
  public:
    RowResampler(const PictureView& picture, LevelSize out)
        : picture_(picture), across_(MakeFilter(picture.width, out.width)),
          down_(MakeFilter(picture.height, out.height)), outWidth_(out.width),
          sums_(static_cast<std::size_t>(picture.width) * 3) {}

    void Row(std::int32_t i, std::uint8_t* target) {
        const auto at = static_cast<std::size_t>(i);
        const auto taps = static_cast<std::size_t>(down_.taps);
        const std::uint32_t* w = &down_.weights[at * taps];
        const std::uint8_t* row =
            picture_.pixels + static_cast<std::size_t>(down_.first[at]) * picture_.stride;
        const std::size_t rowBytes = sums_.size();
        std::uint16_t* sums = sums_.data();
        for (std::size_t x = 0; x < rowBytes; ++x) {
            sums[x] = static_cast<std::uint16_t>(w[0] * row[x]);
        }
        for (std::size_t t = 1; t < taps; ++t) {
            row += picture_.stride;
            const auto weight = static_cast<std::uint16_t>(w[t]);
            if (weight == 0) {
                continue;
            }
            for (std::size_t x = 0; x < rowBytes; ++x) {
                sums[x] = static_cast<std::uint16_t>(sums[x] + weight * row[x]);
            }
        }
        switch (across_.taps) {
        case 1:
            HorizontalPass<1>(across_, sums, target, outWidth_);
            break;
        case 2:
            HorizontalPass<2>(across_, sums, target, outWidth_);
            break;
        case 3:
            HorizontalPass<3>(across_, sums, target, outWidth_);
            break;
        default:
            HorizontalPass<0>(across_, sums, target, outWidth_);
            break;
        }
    }

  private:
    const PictureView& picture_;
    AxisFilter across_;
    AxisFilter down_;
    std::int32_t outWidth_;
    std::vector<std::uint16_t> sums_;
};

// A row of the next level: each texel the rounded mean of the 2 x 2 above it (rows low and
// high). A side already at one texel reads its one texel twice, which makes the mean of the two
// along the other side.
void HalveRow(const std::uint8_t* low, const std::uint8_t* high, std::int32_t fromWidth,
              std::uint8_t* out, std::int32_t width) {
    const std::size_t across = fromWidth > 1 ? 3 : 0;
    const std::size_t step = fromWidth > 1 ? 6 : 3;
    for (std::int32_t x = 0; x < width; ++x, low += step, high += step) {
        for (std::size_t c = 0; c < 3; ++c) {
            *out++ = static_cast<std::uint8_t>(
                (low[c] + low[c + across] + high[c] + high[c + across] + 2) >> 2);
        }
    }
}

std::size_t RowBytes(std::int32_t width) {
    return static_cast<std::size_t>(width) * 3;
}

// Rows per strip: enough to keep the calls few, few enough to stay in the cache. Even, so that
// the two rows a row of the next level is made from always share a strip.
constexpr std::int32_t kStripRows = 16;

// Walks the levels row by row: a finished row of one level may complete a row of the next,
// and a full (or last) strip of a level goes to the sink.
class PyramidWalk {
  public:
    PyramidWalk(const std::vector<LevelSize>& levels, StripSink& sink, std::uint8_t* strips,
                const PictureView* inPlace)
        : levels_(levels), sink_(sink), inPlace_(inPlace) {
        for (const LevelSize& level : levels_) {
            strips_.push_back(strips);
            strips += RowBytes(level.width) * kStripRows;
        }
    }

    // Where row r of a level is (to be) written.
    std::uint8_t* RowAt(std::size_t level, std::int32_t r) {
        return strips_[level] +
               static_cast<std::size_t>(r % kStripRows) * RowBytes(levels_[level].width);
    }

    const std::uint8_t* ReadRow(std::size_t level, std::int32_t r) {
        if (level == 0 && inPlace_ != nullptr) {
            return inPlace_->pixels + static_cast<std::size_t>(r) * inPlace_->stride;
        }
        return RowAt(level, r);
    }

    // Row r of the level has just been written.
    void Finished(std::size_t level, std::int32_t r) {
        const LevelSize size = levels_[level];
        const std::size_t next = level + 1;
        if (next < levels_.size() && (size.height == 1 || r % 2 == 1)) {
            const std::int32_t k = size.height == 1 ? 0 : r / 2;
            HalveRow(ReadRow(level, size.height == 1 ? r : r - 1), ReadRow(level, r), size.width,
                     RowAt(next, k), levels_[next].width);
            Finished(next, k);
        }
        if (level == 0 && inPlace_ != nullptr) {
            return;
        }
        if (r % kStripRows == kStripRows - 1 || r == size.height - 1) {
            const std::int32_t first = r - r % kStripRows;
            sink_.Strip(level, first, r - first + 1, strips_[level]);
        }
    }

  private:
    const std::vector<LevelSize>& levels_;
    StripSink& sink_;
    const PictureView* inPlace_;
    std::vector<std::uint8_t*> strips_;
};

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

std::vector<LevelSize> PyramidLevels(std::int32_t width, std::int32_t height,
                                     std::int32_t maxSide) {
    std::vector<LevelSize> levels;
    if (width < 1 || height < 1) {
        return levels;
    }
    const std::int32_t limit = std::max<std::int32_t>(maxSide, 1);
    std::int32_t w = BuilderSide(width);
    std::int32_t h = BuilderSide(height);
    while (w > limit) {
        w /= 2;
    }
    while (h > limit) {
        h /= 2;
    }
    for (;; w = std::max(w / 2, 1), h = std::max(h / 2, 1)) {
        levels.push_back(LevelSize{w, h});
        if (w == 1 && h == 1) {
            return levels;
        }
    }
}

bool BuildPyramid(const PictureView& picture, const std::vector<LevelSize>& levels,
                  StripSink& sink) {
    if (picture.pixels == nullptr || picture.width < 1 || picture.height < 1 || levels.empty()) {
        return false;
    }
    std::size_t stripBytes = 0;
    for (const LevelSize& level : levels) {
        stripBytes += RowBytes(level.width) * kStripRows;
    }
    const std::unique_ptr<std::uint8_t[]> strips(new (std::nothrow) std::uint8_t[stripBytes]);
    if (!strips) {
        return false;
    }
    const LevelSize top = levels.front();
    const bool inPlace = top.width == picture.width && top.height == picture.height &&
                         picture.stride == RowBytes(top.width);
    PyramidWalk walk(levels, sink, strips.get(), inPlace ? &picture : nullptr);
    if (inPlace) {
        sink.Strip(0, 0, top.height, picture.pixels);
        for (std::int32_t r = 0; r < top.height; ++r) {
            walk.Finished(0, r);
        }
        return true;
    }
    RowResampler resampler(picture, top);
    for (std::int32_t r = 0; r < top.height; ++r) {
        resampler.Row(r, walk.RowAt(0, r));
        walk.Finished(0, r);
    }
    return true;
}

} // namespace lumo
