#include "resources/demo/demo_pictures.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace demo {
namespace {

struct Rgb {
    double r;
    double g;
    double b;
};

Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// A small generator of its own, so every build paints the same pictures.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : state_(seed) {}
    double Next() { // 0 <= value < 1
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / static_cast<double>(1u << 24);
    }

private:
    std::uint32_t state_;
};

// Positions and sizes are fractions of the picture: x of its width, y and radii of its height.
class Canvas {
public:
    Canvas(std::uint32_t width, std::uint32_t height)
        : width_(width), height_(height), pixels_(std::size_t{width} * height, Rgb{0, 0, 0}) {}

    void Gradient(Rgb top, Rgb bottom, double from = 0, double to = 1) {
        for (std::uint32_t y = Row(from); y < Row(to); ++y) {
            const double t = (y - from * height_) / std::max(1.0, (to - from) * height_);
            for (std::uint32_t x = 0; x < width_; ++x) {
                At(x, y) = Mix(top, bottom, std::clamp(t, 0.0, 1.0));
            }
        }
    }

    // A disc with a soft edge one pixel wide.
    void Disc(double cx, double cy, double radius, Rgb color, double opacity = 1) {
        const double px = cx * width_;
        const double py = cy * height_;
        const double pr = std::max(radius * height_, 0.7);
        const std::uint32_t x0 = Clamp(px - pr - 1, width_), x1 = Clamp(px + pr + 2, width_);
        const std::uint32_t y0 = Clamp(py - pr - 1, height_), y1 = Clamp(py + pr + 2, height_);
        for (std::uint32_t y = y0; y < y1; ++y) {
            for (std::uint32_t x = x0; x < x1; ++x) {
                const double distance = std::hypot(x + 0.5 - px, y + 0.5 - py);
                const double cover = std::clamp(pr + 0.5 - distance, 0.0, 1.0);
                Blend(x, y, color, cover * opacity);
            }
        }
    }

    // Land below a wavy line: base height, amplitude, number of waves across, phase.
    void Ridge(Rgb color, double base, double amplitude, double waves, double phase) {
        for (std::uint32_t x = 0; x < width_; ++x) {
            const double u = static_cast<double>(x) / width_;
            const double line =
                base +
                amplitude * (std::sin((u * waves + phase) * 2 * std::numbers::pi) +
                             0.35 * std::sin((u * waves * 2.7 + phase) * 2 * std::numbers::pi));
            for (std::uint32_t y = Row(line); y < height_; ++y) {
                At(x, y) = color;
            }
        }
    }

    void Box(double x0, double y0, double x1, double y1, Rgb color) {
        for (std::uint32_t y = Row(y0); y < Row(y1); ++y) {
            for (std::uint32_t x = Clamp(x0 * width_, width_); x < Clamp(x1 * width_, width_);
                 ++x) {
                At(x, y) = color;
            }
        }
    }

    // Discs scattered over a rectangle, their colours between two.
    void Sprinkle(std::uint32_t seed, int count, double x0, double y0, double x1, double y1,
                  double radius, Rgb first, Rgb second, double opacity = 1) {
        Scatter scatter(seed);
        for (int i = 0; i < count; ++i) {
            const double x = x0 + (x1 - x0) * scatter.Next();
            const double y = y0 + (y1 - y0) * scatter.Next();
            const double size = radius * (0.6 + 0.8 * scatter.Next());
            Disc(x, y, size, Mix(first, second, scatter.Next()), opacity);
        }
    }

    // Darkens the corners a little, as a simple lens does.
    void Vignette(double strength) {
        for (std::uint32_t y = 0; y < height_; ++y) {
            for (std::uint32_t x = 0; x < width_; ++x) {
                const double dx = (x + 0.5) / width_ - 0.5;
                const double dy = (y + 0.5) / height_ - 0.5;
                const double keep = 1 - strength * (dx * dx + dy * dy) * 2;
                Rgb& pixel = At(x, y);
                pixel = {pixel.r * keep, pixel.g * keep, pixel.b * keep};
            }
        }
    }

    [[nodiscard]] exif::Image Take() const {
        std::vector<std::uint8_t> rgb;
        rgb.reserve(pixels_.size() * 3);
        for (const Rgb& pixel : pixels_) {
            for (double channel : {pixel.r, pixel.g, pixel.b}) {
                rgb.push_back(
                    static_cast<std::uint8_t>(std::clamp(std::lround(channel), 0L, 255L)));
            }
        }
        return exif::Image(width_, height_, std::move(rgb));
    }

private:
    static std::uint32_t Clamp(double position, std::uint32_t size) {
        return static_cast<std::uint32_t>(std::clamp(position, 0.0, static_cast<double>(size)));
    }
    std::uint32_t Row(double y) const { return Clamp(std::round(y * height_), height_); }
    Rgb& At(std::uint32_t x, std::uint32_t y) { return pixels_[std::size_t{y} * width_ + x]; }
    void Blend(std::uint32_t x, std::uint32_t y, Rgb color, double alpha) {
        At(x, y) = Mix(At(x, y), color, alpha);
    }

    std::uint32_t width_;
    std::uint32_t height_;
    std::vector<Rgb> pixels_;
};

void Clouds(Canvas& canvas, std::uint32_t seed, double x, double y) {
    canvas.Sprinkle(seed, 9, x - 0.12, y - 0.03, x + 0.12, y + 0.03, 0.05, {255, 255, 255},
                    {230, 235, 245}, 0.9);
}

void GreenHills(Canvas& c) {
    c.Gradient({60, 120, 205}, {185, 215, 245});
    c.Disc(0.82, 0.16, 0.07, {255, 250, 225});
    Clouds(c, 11, 0.28, 0.2);
    Clouds(c, 12, 0.6, 0.3);
    c.Ridge({95, 130, 160}, 0.52, 0.08, 1.3, 0.1);
    c.Ridge({80, 155, 65}, 0.66, 0.05, 2.1, 0.4);
    c.Ridge({45, 115, 45}, 0.8, 0.04, 3.0, 0.7);
    c.Sprinkle(13, 40, 0, 0.82, 1, 1, 0.012, {250, 240, 120}, {255, 255, 255});
}

void NewYearSunrise(Canvas& c) {
    c.Gradient({25, 35, 85}, {250, 155, 75}, 0, 0.62);
    c.Disc(0.5, 0.6, 0.09, {255, 225, 130});
    c.Gradient({90, 70, 100}, {20, 30, 60}, 0.62, 1);
    c.Sprinkle(21, 160, 0.44, 0.63, 0.56, 0.97, 0.006, {255, 210, 120}, {255, 245, 200});
}

void AutumnLeaves(Canvas& c) {
    c.Gradient({110, 165, 220}, {225, 232, 242});
    c.Ridge({150, 70, 45}, 0.45, 0.08, 1.1, 0.2);
    c.Ridge({205, 110, 35}, 0.6, 0.06, 1.9, 0.5);
    c.Sprinkle(31, 260, 0, 0.55, 1, 0.8, 0.025, {230, 70, 30}, {250, 190, 40});
    c.Ridge({125, 45, 25}, 0.78, 0.04, 2.8, 0.1);
    c.Sprinkle(32, 120, 0, 0.8, 1, 1, 0.02, {200, 40, 20}, {240, 150, 30});
}

void NightTown(Canvas& c) {
    c.Gradient({5, 10, 35}, {35, 45, 95});
    c.Sprinkle(41, 70, 0, 0, 1, 0.45, 0.004, {255, 255, 255}, {200, 210, 255});
    c.Disc(0.15, 0.15, 0.05, {245, 240, 210});
    const double roofs[] = {0.5, 0.38, 0.55, 0.3, 0.47, 0.6, 0.42, 0.52};
    for (int i = 0; i < 8; ++i) {
        const double x0 = i / 8.0 + 0.005;
        c.Box(x0, roofs[i], x0 + 0.115, 1, {25, 25, 45});
        c.Sprinkle(42 + i, 14, x0 + 0.015, roofs[i] + 0.04, x0 + 0.1, 0.95, 0.008, {255, 210, 90},
                   {255, 240, 170});
    }
    c.Sprinkle(50, 50, 0.3, 0.7, 0.7, 1.0, 0.01, {255, 60, 60}, {80, 255, 120});
}

void CherryBlossoms(Canvas& c) {
    c.Gradient({105, 165, 235}, {225, 235, 250});
    c.Ridge({110, 170, 80}, 0.78, 0.01, 1, 0);
    for (int i = 0; i < 4; ++i) {
        const double x = 0.12 + i * 0.25;
        c.Box(x - 0.015, 0.45, x + 0.015, 0.85, {95, 65, 50});
        c.Sprinkle(61 + i, 170, x - 0.16, 0.12, x + 0.16, 0.55, 0.03, {255, 175, 200},
                   {255, 235, 242});
    }
    c.Sprinkle(66, 60, 0, 0.8, 1, 1, 0.008, {255, 200, 215}, {255, 245, 250});
}

void EveningBeach(Canvas& c) {
    c.Gradient({80, 55, 120}, {250, 165, 110}, 0, 0.58);
    c.Disc(0.3, 0.52, 0.07, {255, 205, 150});
    c.Gradient({150, 110, 140}, {60, 70, 120}, 0.58, 0.86);
    c.Sprinkle(71, 90, 0.24, 0.59, 0.36, 0.8, 0.005, {255, 200, 150}, {255, 230, 200});
    c.Ridge({205, 170, 130}, 0.82, 0.01, 1.5, 0.3);
    c.Disc(0.7, 0.66, 0.035, {40, 30, 45});
    c.Box(0.68, 0.69, 0.72, 0.86, {40, 30, 45});
}

void SeasideAfternoon(Canvas& c) {
    c.Gradient({55, 135, 230}, {175, 215, 250}, 0, 0.5);
    Clouds(c, 81, 0.7, 0.15);
    Clouds(c, 82, 0.25, 0.28);
    c.Gradient({25, 120, 175}, {45, 160, 195}, 0.5, 0.82);
    c.Sprinkle(83, 120, 0, 0.52, 1, 0.78, 0.006, {235, 245, 255}, {255, 255, 255}, 0.8);
    c.Ridge({235, 215, 170}, 0.78, 0.015, 1.2, 0.8);
    c.Disc(0.2, 0.88, 0.05, {230, 60, 60});
    c.Box(0.195, 0.88, 0.205, 0.98, {120, 100, 80});
}

void SnowMorning(Canvas& c) {
    c.Gradient({150, 185, 225}, {235, 240, 250});
    c.Disc(0.75, 0.2, 0.06, {255, 250, 235});
    c.Ridge({205, 215, 232}, 0.5, 0.08, 1.4, 0.3);
    c.Sprinkle(91, 70, 0, 0.55, 1, 0.72, 0.02, {40, 70, 55}, {60, 90, 70});
    c.Ridge({240, 244, 250}, 0.7, 0.04, 2.2, 0.6);
    c.Sprinkle(92, 300, 0, 0, 1, 1, 0.004, {255, 255, 255}, {240, 245, 255}, 0.8);
}

void Hydrangea(Canvas& c) {
    c.Gradient({45, 95, 45}, {20, 55, 30});
    c.Sprinkle(101, 30, 0, 0.5, 1, 1, 0.09, {30, 90, 35}, {60, 130, 55});
    c.Sprinkle(102, 220, 0.22, 0.2, 0.58, 0.7, 0.035, {95, 100, 210}, {170, 110, 210});
    c.Sprinkle(103, 160, 0.6, 0.1, 0.9, 0.5, 0.03, {120, 150, 230}, {200, 170, 235});
    c.Sprinkle(104, 60, 0.22, 0.2, 0.9, 0.7, 0.006, {250, 250, 255}, {230, 230, 255});
}

void Sunset(Canvas& c) {
    c.Gradient({40, 30, 80}, {255, 120, 50}, 0, 0.7);
    c.Disc(0.6, 0.64, 0.08, {255, 90, 40});
    c.Ridge({80, 35, 45}, 0.6, 0.06, 1.2, 0.9);
    c.Ridge({40, 20, 30}, 0.72, 0.05, 2.4, 0.2);
    c.Sprinkle(111, 12, 0.1, 0.15, 0.5, 0.35, 0.006, {30, 20, 30}, {50, 30, 40});
}

void OldPrint(Canvas& c) {
    c.Gradient({205, 180, 135}, {150, 120, 85});
    c.Ridge({120, 95, 65}, 0.55, 0.07, 1.2, 0.4);
    c.Box(0.35, 0.4, 0.55, 0.75, {95, 70, 50});
    c.Box(0.33, 0.36, 0.57, 0.42, {75, 55, 40});
    c.Ridge({90, 70, 50}, 0.8, 0.02, 2.0, 0.1);
    c.Vignette(0.9);
}

void Lighthouse(Canvas& c) {
    c.Gradient({70, 140, 220}, {190, 220, 245}, 0, 0.62);
    Clouds(c, 121, 0.25, 0.12);
    Clouds(c, 122, 0.8, 0.3);
    c.Gradient({35, 115, 170}, {20, 80, 130}, 0.62, 1);
    c.Sprinkle(123, 60, 0, 0.64, 1, 0.9, 0.006, {225, 240, 255}, {255, 255, 255}, 0.7);
    c.Ridge({100, 125, 75}, 0.76, 0.02, 0.7, 0.65);
    c.Box(0.42, 0.24, 0.58, 0.82, {245, 245, 238});
    for (const double band : {0.34, 0.5, 0.66}) {
        c.Box(0.42, band, 0.58, band + 0.06, {205, 45, 40});
    }
    c.Box(0.44, 0.17, 0.56, 0.24, {55, 60, 70});
    c.Disc(0.5, 0.205, 0.022, {255, 235, 140});
    c.Box(0.4, 0.14, 0.6, 0.17, {205, 45, 40});
}

} // namespace

exif::Image Paint(Subject subject, std::uint32_t width, std::uint32_t height) {
    Canvas canvas(width, height);
    switch (subject) {
    case Subject::GreenHills:
        GreenHills(canvas);
        break;
    case Subject::NewYearSunrise:
        NewYearSunrise(canvas);
        break;
    case Subject::AutumnLeaves:
        AutumnLeaves(canvas);
        break;
    case Subject::NightTown:
        NightTown(canvas);
        break;
    case Subject::CherryBlossoms:
        CherryBlossoms(canvas);
        break;
    case Subject::EveningBeach:
        EveningBeach(canvas);
        break;
    case Subject::SeasideAfternoon:
        SeasideAfternoon(canvas);
        break;
    case Subject::SnowMorning:
        SnowMorning(canvas);
        break;
    case Subject::Hydrangea:
        Hydrangea(canvas);
        break;
    case Subject::Sunset:
        Sunset(canvas);
        break;
    case Subject::OldPrint:
        OldPrint(canvas);
        break;
    case Subject::Lighthouse:
        Lighthouse(canvas);
        break;
    }
    return canvas.Take();
}

} // namespace demo
