#include "texture_pyramid.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

// The inner loops are written for SSE2, which every x86-64 processor has; both programs and the
// host tests are built for x86-64 only.
#ifndef __SSE2__
#error "the texture pyramid needs SSE2"
#endif
#include <emmintrin.h>

namespace lumo {
namespace {

// The weights of one side, in fixed point: down the picture they sum to kDown, which keeps a
// row of weighted sums of bytes within 16 bits; across, to kAcross, the most that 16-bit
// signed weights hold as a power of two. Output = sums / (kDown * kAcross), rounded.
constexpr std::uint32_t kDown = 256;
constexpr std::uint32_t kAcross = 1u << 14;
constexpr int kScaleBits = 8 + 14;

// How one side of the output is made from the same side of the input. Input texel k spans
// [k * out, (k + 1) * out) and output texel j spans [j * in, (j + 1) * in) on a common scale;
// each input texel weighs by its share of the output texel's span. Every output texel reads
// `taps` consecutive inputs from first[j], the ones beyond its span with weight 0, so the inner
// loops have a fixed length and never leave the picture.
struct AxisFilter {
    int taps = 1;
    std::vector<std::int32_t> first;
    std::vector<std::uint32_t> weights; // taps per output texel, summing to the filter's one
};

AxisFilter MakeFilter(std::int32_t in, std::int32_t out, std::uint32_t one) {
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
        // Cumulative weights, rounded, so each span's weights add up to exactly one.
        for (std::int64_t k = k0; k * out64 < high; ++k) {
            const std::int64_t end = std::min((k + 1) * out64, high);
            const auto upTo =
                static_cast<std::uint32_t>(((end - low) * one * 2 + in64) / (in64 * 2));
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

// Along a row, each output texel is a few multiply-adds of neighbouring texel pairs: the
// weights of taps 2p and 2p + 1 sit side by side as 16-bit halves of one word.
class AcrossPass {
  public:
    AcrossPass(std::int32_t in, std::int32_t out)
        : filter_(MakeFilter(in, out, kAcross)), pairs_((filter_.taps + 1) / 2) {
        const auto taps = static_cast<std::size_t>(filter_.taps);
        const auto pairs = static_cast<std::size_t>(pairs_);
        pairWeights_.assign(static_cast<std::size_t>(out) * pairs, 0);
        for (std::size_t j = 0; j < static_cast<std::size_t>(out); ++j) {
            for (std::size_t t = 0; t < taps; ++t) {
                pairWeights_[j * pairs + t / 2] |= filter_.weights[j * taps + t]
                                                   << (t % 2 == 0 ? 0 : 16);
            }
        }
    }

    // The loads read up to five 16-bit values past a row's last texel (for weights of 0).
    static constexpr std::size_t kRowSlack = 8;

    // sums: the row of weighted sums down the picture, blue, green, red per texel, followed by
    // kRowSlack values. out: red, green, blue, 255 per texel, the order the GL keeps texels in.
    void Run(const std::uint16_t* sums, std::uint8_t* out, std::int32_t outWidth) const {
        // Shrinking by less than half or enlarging takes one or two pairs; a fixed count lets
        // the compiler unroll the innermost loop.
        switch (pairs_) {
        case 1:
            RunWith<1>(sums, out, outWidth);
            break;
        case 2:
            RunWith<2>(sums, out, outWidth);
            break;
        default:
            RunWith<0>(sums, out, outWidth);
            break;
        }
    }

  private:
    template <int kPairs>
    void RunWith(const std::uint16_t* sums, std::uint8_t* out, std::int32_t outWidth) const {
        std::int32_t j = 0;
        for (; j + 4 <= outWidth; j += 4, out += 16) {
            const __m128i low = _mm_packs_epi32(Texel<kPairs>(sums, j), Texel<kPairs>(sums, j + 1));
            const __m128i high =
                _mm_packs_epi32(Texel<kPairs>(sums, j + 2), Texel<kPairs>(sums, j + 3));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), Finish(low, high));
        }
        for (; j < outWidth; ++j, out += 4) {
            const __m128i texel = _mm_packs_epi32(Texel<kPairs>(sums, j), _mm_setzero_si128());
            const int bytes = _mm_cvtsi128_si32(Finish(texel, texel));
            std::memcpy(out, &bytes, 4);
        }
    }

    // Output texel j as four 32-bit lanes: red, green, blue and a lane of no meaning. kPairs 0:
    // the count is the filter's.
    template <int kPairs> __m128i Texel(const std::uint16_t* sums, std::int32_t j) const {
        // The sums are unsigned; the multiply-add takes signed values, so each is offset by
        // 2^15 (flipping its top bit) and the offset, times weights summing to kAcross, is
        // given back with the rounding.
        const __m128i offset = _mm_set1_epi16(static_cast<short>(0x8000));
        const int pairs = kPairs != 0 ? kPairs : pairs_;
        const std::int32_t* weights = &pairWeights_[static_cast<std::size_t>(j * pairs)];
        const std::uint16_t* at =
            sums + static_cast<std::size_t>(filter_.first[static_cast<std::size_t>(j)]) * 3;
        __m128i acc = _mm_set1_epi32((1 << 29) + (1 << (kScaleBits - 1)));
        for (int p = 0; p < pairs; ++p, at += 6) {
            // a0 a1 a2 b0 b1 b2 c0 c1 -> a0 b0 a1 b1 a2 b2 (b0 c0): one multiply-add gives
            // each channel's pair.
            const __m128i texels =
                _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), offset);
            const __m128i paired = _mm_unpacklo_epi16(texels, _mm_srli_si128(texels, 6));
            acc = _mm_add_epi32(acc, _mm_madd_epi16(paired, _mm_set1_epi32(weights[p])));
        }
        return _mm_shuffle_epi32(_mm_srai_epi32(acc, kScaleBits), _MM_SHUFFLE(3, 0, 1, 2));
    }

    // Two vectors of 16-bit channels to bytes, with the fourth byte of each texel 255.
    static __m128i Finish(__m128i low, __m128i high) {
        return _mm_or_si128(_mm_packus_epi16(low, high),
                            _mm_set1_epi32(static_cast<int>(0xFF000000u)));
    }

    AxisFilter filter_;
    int pairs_;
    std::vector<std::int32_t> pairWeights_;
};

// Level 0, a row at a time: the picture's rows first (into one row of 16-bit sums), then the
// texels along the row.
class RowResampler {
  public:
    RowResampler(const PictureView& picture, LevelSize out)
        : picture_(picture), across_(picture.width, out.width),
          down_(MakeFilter(picture.height, out.height, kDown)), outWidth_(out.width),
          rowValues_(static_cast<std::size_t>(picture.width) * 3),
          sums_(rowValues_ + AcrossPass::kRowSlack, 0) {}

    void Row(std::int32_t i, std::uint8_t* target) {
        const auto at = static_cast<std::size_t>(i);
        const auto taps = static_cast<std::size_t>(down_.taps);
        const std::uint32_t* w = &down_.weights[at * taps];
        const std::uint8_t* row =
            picture_.pixels + static_cast<std::size_t>(down_.first[at]) * picture_.stride;
        std::uint16_t* sums = sums_.data();
        for (std::size_t x = 0; x < rowValues_; ++x) {
            sums[x] = static_cast<std::uint16_t>(w[0] * row[x]);
        }
        for (std::size_t t = 1; t < taps; ++t) {
            row += picture_.stride;
            const auto weight = static_cast<std::uint16_t>(w[t]);
            if (weight == 0) {
                continue;
            }
            for (std::size_t x = 0; x < rowValues_; ++x) {
                sums[x] = static_cast<std::uint16_t>(sums[x] + weight * row[x]);
            }
        }
        across_.Run(sums, target, outWidth_);
    }

  private:
    const PictureView& picture_;
    AcrossPass across_;
    AxisFilter down_;
    std::int32_t outWidth_;
    std::size_t rowValues_;
    std::vector<std::uint16_t> sums_;
};

// Four texels of a row (16 bytes) and the four below them as two texels of the next level, as
// 16-bit channels: the rounded mean of each 2 x 2.
__m128i HalveFour(__m128i low, __m128i high) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i first =
        _mm_add_epi16(_mm_unpacklo_epi8(low, zero), _mm_unpacklo_epi8(high, zero));
    const __m128i second =
        _mm_add_epi16(_mm_unpackhi_epi8(low, zero), _mm_unpackhi_epi8(high, zero));
    const __m128i sums =
        _mm_add_epi16(_mm_unpacklo_epi64(first, second), _mm_unpackhi_epi64(first, second));
    return _mm_srli_epi16(_mm_add_epi16(sums, _mm_set1_epi16(2)), 2);
}

// A row of the next level: each texel the rounded mean of the 2 x 2 above it (rows low and
// high). A side already at one texel reads its one texel twice, which makes the mean of the two
// along the other side.
void HalveRow(const std::uint8_t* low, const std::uint8_t* high, std::int32_t fromWidth,
              std::uint8_t* out, std::int32_t width) {
    std::int32_t x = 0;
    if (fromWidth > 1) {
        for (; x + 4 <= width; x += 4, low += 32, high += 32, out += 16) {
            const auto load = [](const std::uint8_t* p) {
                return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            };
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                             _mm_packus_epi16(HalveFour(load(low), load(high)),
                                              HalveFour(load(low + 16), load(high + 16))));
        }
    }
    const std::size_t across = fromWidth > 1 ? 4 : 0;
    const std::size_t step = fromWidth > 1 ? 8 : 4;
    for (; x < width; ++x, low += step, high += step) {
        for (std::size_t c = 0; c < 4; ++c) {
            *out++ = static_cast<std::uint8_t>(
                (low[c] + low[c + across] + high[c] + high[c + across] + 2) >> 2);
        }
    }
}

std::size_t RowBytes(std::int32_t width) {
    return static_cast<std::size_t>(width) * 4;
}

// Rows per strip: enough to keep the calls few, few enough to stay in the cache. Even, so that
// the two rows a row of the next level is made from always share a strip.
constexpr std::int32_t kStripRows = 16;

// Walks the levels row by row: a finished row of one level may complete a row of the next,
// and a full (or last) strip of a level goes to the sink.
class PyramidWalk {
  public:
    PyramidWalk(const std::vector<LevelSize>& levels, StripSink& sink, std::uint8_t* strips)
        : levels_(levels), sink_(sink) {
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

    // Row r of the level has just been written.
    void Finished(std::size_t level, std::int32_t r) {
        const LevelSize size = levels_[level];
        const std::size_t next = level + 1;
        if (next < levels_.size() && (size.height == 1 || r % 2 == 1)) {
            const std::int32_t k = size.height == 1 ? 0 : r / 2;
            HalveRow(RowAt(level, size.height == 1 ? r : r - 1), RowAt(level, r), size.width,
                     RowAt(next, k), levels_[next].width);
            Finished(next, k);
        }
        if (r % kStripRows == kStripRows - 1 || r == size.height - 1) {
            const std::int32_t first = r - r % kStripRows;
            sink_.Strip(level, first, r - first + 1, strips_[level]);
        }
    }

  private:
    const std::vector<LevelSize>& levels_;
    StripSink& sink_;
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
    PyramidWalk walk(levels, sink, strips.get());
    RowResampler resampler(picture, top);
    for (std::int32_t r = 0; r < top.height; ++r) {
        resampler.Row(r, walk.RowAt(0, r));
        walk.Finished(0, r);
    }
    return true;
}

} // namespace lumo
