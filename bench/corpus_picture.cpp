#include "bench/corpus_picture.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace bench {
namespace {

class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
    std::uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    float Unit() { return static_cast<float>(Next() & 0xFFFFFF) / 16777216.0f; }

private:
    std::uint32_t state_;
};

// Value noise: random values on a lattice, interpolated smoothly between lattice points.
class Lattice {
public:
    Lattice(std::uint32_t columns, std::uint32_t rows, Random& random)
        : columns_(columns + 2), values_(std::size_t{columns + 2} * (rows + 2)) {
        for (float& value : values_) {
            value = random.Unit();
        }
    }
    float At(float x, float y) const {
        const auto x0 = static_cast<std::size_t>(x);
        const auto y0 = static_cast<std::size_t>(y);
        const float fx = Smooth(x - x0);
        const float fy = Smooth(y - y0);
        const float* row = values_.data() + y0 * columns_;
        const float top = row[x0] + (row[x0 + 1] - row[x0]) * fx;
        const float* next = row + columns_;
        const float bottom = next[x0] + (next[x0 + 1] - next[x0]) * fx;
        return top + (bottom - top) * fy;
    }

private:
    static float Smooth(float t) { return t * t * (3 - 2 * t); }
    std::size_t columns_;
    std::vector<float> values_;
};

struct Octave {
    Lattice lattice;
    float scale;     // lattice cells per pixel
    float amplitude; // 1/f: finer octaves are weaker
};

std::vector<Octave> Octaves(std::uint32_t width, std::uint32_t height, int count, float coarsest,
                            Random& random) {
    std::vector<Octave> octaves;
    float cells = coarsest;
    float amplitude = 1.0f;
    for (int i = 0; i < count; ++i) {
        const float scale = cells / static_cast<float>(width);
        octaves.push_back({Lattice(static_cast<std::uint32_t>(cells) + 1,
                                   static_cast<std::uint32_t>(height * scale) + 1, random),
                           scale, amplitude});
        cells *= 2.3f;
        amplitude *= 0.55f;
    }
    return octaves;
}

float Sum(const std::vector<Octave>& octaves, float x, float y) {
    float value = 0;
    float total = 0;
    for (const Octave& octave : octaves) {
        value += octave.lattice.At(x * octave.scale, y * octave.scale) * octave.amplitude;
        total += octave.amplitude;
    }
    return value / total;
}

std::uint8_t Byte(float value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0.0f, 255.0f));
}

} // namespace

exif::Image MakeScene(std::uint32_t width, std::uint32_t height, std::uint32_t seed) {
    Random random(seed);
    const std::vector<Octave> shape = Octaves(width, height, 7, 3, random);
    const std::vector<Octave> texture = Octaves(width, height, 4, 60, random);
    const std::vector<Octave> tint = Octaves(width, height, 2, 2, random);
    const float palette[2][3] = {{70 + 60 * random.Unit(), 110 + 50 * random.Unit(), 60},
                                 {150, 170 + 40 * random.Unit(), 200 + 40 * random.Unit()}};
    std::vector<std::uint8_t> rgb(std::size_t{width} * height * 3);
    std::uint8_t* pixel = rgb.data();
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const auto fx = static_cast<float>(x);
            const auto fy = static_cast<float>(y);
            const float form = Sum(shape, fx, fy);
            const float detail = Sum(texture, fx, fy);
            const float warm = Sum(tint, fx, fy);
            // Regions with sharp borders, like foliage against sky.
            const float* base = palette[form > 0.52f ? 1 : 0];
            const float light = 0.55f + form * 0.6f + (detail - 0.5f) * 0.7f;
            const float grain = (static_cast<float>(random.Next() & 0xFF) - 127.5f) * 0.06f;
            pixel[0] = Byte(base[0] * light * (0.8f + warm * 0.4f) + grain);
            pixel[1] = Byte(base[1] * light + grain);
            pixel[2] = Byte(base[2] * light * (1.2f - warm * 0.4f) + grain);
            pixel += 3;
        }
    }
    return exif::Image(width, height, std::move(rgb));
}

} // namespace bench
