#include "exif/imaging_resample.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

namespace exif {
namespace {

constexpr int kWeightBits = 14;
constexpr int kWeightOne = 1 << kWeightBits;

struct Tap {
    std::uint32_t index;
    std::int32_t weight; // fixed point, kWeightOne = 1
};

// For each output position along one axis, the source positions it draws from and their
// weights, which add up to exactly kWeightOne.
struct AxisTaps {
    std::vector<Tap> taps;
    std::vector<std::size_t> begin; // taps of output i: [begin[i], begin[i + 1])
};

void AddNormalised(AxisTaps& axis, const std::vector<std::pair<std::uint32_t, double>>& weights) {
    double total = 0;
    for (const auto& [index, weight] : weights) {
        total += weight;
    }
    const std::size_t first = axis.taps.size();
    std::int32_t sum = 0;
    for (const auto& [index, weight] : weights) {
        const auto fixed = static_cast<std::int32_t>(std::lround(weight / total * kWeightOne));
        axis.taps.push_back({index, fixed});
        sum += fixed;
    }
    // Rounding leftovers go to the heaviest tap so that flat areas keep their exact tone.
    const auto heaviest =
        std::max_element(axis.taps.begin() + static_cast<std::ptrdiff_t>(first), axis.taps.end(),
                         [](const Tap& a, const Tap& b) { return a.weight < b.weight; });
    heaviest->weight += kWeightOne - sum;
    axis.begin.push_back(axis.taps.size());
}

// Output pixel i covers the source interval [i * scale, (i + 1) * scale); each source pixel
// counts with the length it overlaps.
AxisTaps AreaTaps(std::uint32_t sourceSize, std::uint32_t targetSize) {
    AxisTaps axis;
    axis.begin.push_back(0);
    const double scale = static_cast<double>(sourceSize) / targetSize;
    std::vector<std::pair<std::uint32_t, double>> weights;
    for (std::uint32_t i = 0; i < targetSize; ++i) {
        const double from = i * scale;
        const double to = std::min<double>((i + 1) * scale, sourceSize);
        weights.clear();
        for (auto s = static_cast<std::uint32_t>(from); s < sourceSize && s < to; ++s) {
            const double overlap = std::min<double>(s + 1, to) - std::max<double>(s, from);
            if (overlap > 1e-9) {
                weights.emplace_back(s, overlap);
            }
        }
        AddNormalised(axis, weights);
    }
    return axis;
}

// Enlargement: each output pixel centre mixes the two nearest source pixel centres.
AxisTaps LinearTaps(std::uint32_t sourceSize, std::uint32_t targetSize) {
    AxisTaps axis;
    axis.begin.push_back(0);
    const double scale = static_cast<double>(sourceSize) / targetSize;
    const double last = sourceSize - 1.0;
    std::vector<std::pair<std::uint32_t, double>> weights;
    for (std::uint32_t i = 0; i < targetSize; ++i) {
        const double centre = std::clamp((i + 0.5) * scale - 0.5, 0.0, last);
        const auto left = static_cast<std::uint32_t>(centre);
        const double fraction = centre - left;
        weights.clear();
        weights.emplace_back(left, 1.0 - fraction);
        if (fraction > 1e-9 && left + 1 < sourceSize) {
            weights.emplace_back(left + 1, fraction);
        }
        AddNormalised(axis, weights);
    }
    return axis;
}

AxisTaps TapsFor(std::uint32_t sourceSize, std::uint32_t targetSize) {
    return targetSize <= sourceSize ? AreaTaps(sourceSize, targetSize)
                                    : LinearTaps(sourceSize, targetSize);
}

std::uint8_t Clamped(std::int32_t sum) {
    return static_cast<std::uint8_t>(
        std::clamp((sum + kWeightOne / 2) >> kWeightBits, std::int32_t{0}, std::int32_t{255}));
}

// Every row of the picture, narrowed or widened to the target width.
std::vector<std::uint8_t> ResampleRows(const std::vector<std::uint8_t>& rows,
                                       std::uint32_t sourceWidth, std::uint32_t height,
                                       const AxisTaps& axis, std::uint32_t width) {
    std::vector<std::uint8_t> out(std::size_t{width} * 3 * height);
    std::uint8_t* target = out.data();
    for (std::uint32_t y = 0; y < height; ++y) {
        const std::uint8_t* row = rows.data() + std::size_t{y} * sourceWidth * 3;
        for (std::uint32_t x = 0; x < width; ++x) {
            std::int32_t r = 0;
            std::int32_t g = 0;
            std::int32_t b = 0;
            for (std::size_t t = axis.begin[x]; t < axis.begin[x + 1]; ++t) {
                const std::uint8_t* pixel = row + std::size_t{axis.taps[t].index} * 3;
                r += pixel[0] * axis.taps[t].weight;
                g += pixel[1] * axis.taps[t].weight;
                b += pixel[2] * axis.taps[t].weight;
            }
            *target++ = Clamped(r);
            *target++ = Clamped(g);
            *target++ = Clamped(b);
        }
    }
    return out;
}

// The rows combined into the target height; each output row is a weighted sum of whole source
// rows, a loop the compiler vectorises.
std::vector<std::uint8_t> ResampleColumns(std::span<const std::uint8_t> rows, std::size_t stride,
                                          const AxisTaps& axis, std::uint32_t height) {
    std::vector<std::uint8_t> out(stride * height);
    std::vector<std::int32_t> sums(stride);
    for (std::uint32_t y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (std::size_t t = axis.begin[y]; t < axis.begin[y + 1]; ++t) {
            const std::uint8_t* row = rows.data() + axis.taps[t].index * stride;
            const std::int32_t weight = axis.taps[t].weight;
            for (std::size_t i = 0; i < stride; ++i) {
                sums[i] += row[i] * weight;
            }
        }
        std::uint8_t* target = out.data() + y * stride;
        for (std::size_t i = 0; i < stride; ++i) {
            target[i] = Clamped(sums[i]);
        }
    }
    return out;
}

} // namespace

Image Resample(const Image& source, std::uint32_t width, std::uint32_t height) {
    // Heights first: a reduction then leaves fewer rows for the costlier horizontal pass.
    const std::vector<std::uint8_t> rows = ResampleColumns(
        source.Pixels(), std::size_t{source.Width()} * 3, TapsFor(source.Height(), height), height);
    return Image(width, height,
                 ResampleRows(rows, source.Width(), height, TapsFor(source.Width(), width), width));
}

} // namespace exif
