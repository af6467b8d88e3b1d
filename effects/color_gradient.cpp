#include "effects/color_gradient.h"

#include <cmath>

namespace vx {
namespace {

// A quarter turn as the dialog has always computed it.
constexpr double kQuarterTurn = 1.5707963;

int component(int s, int e, int i, int last, GradientShape shape) {
    const int change = e - s;
    switch (shape) {
        case GradientShape::Linear:
            return s + change * i / last;  // integer division truncates toward zero
        case GradientShape::Sin: {
            const double t = i * kQuarterTurn / last;
            return s + static_cast<int>(change * std::sin(t));
        }
        case GradientShape::Cos: {
            const double t = i * kQuarterTurn / last;
            return s + static_cast<int>(change * (1.0 - std::cos(t)));
        }
    }
    return s;
}

std::uint8_t byte(int v) { return static_cast<std::uint8_t>(v); }

}  // namespace

std::optional<std::vector<Rgb>> makeGradient(Rgb start, Rgb end, int steps, GradientShape shape) {
    if (steps < kGradientMinSteps || steps > kGradientMaxSteps) return std::nullopt;
    std::vector<Rgb> out;
    out.reserve(static_cast<std::size_t>(steps));
    const int last = steps - 1;
    for (int i = 0; i < steps; ++i) {
        out.push_back({byte(component(start.r, end.r, i, last, shape)),
                       byte(component(start.g, end.g, i, last, shape)),
                       byte(component(start.b, end.b, i, last, shape))});
    }
    return out;
}

std::vector<Rgb> colorsFromList(const UintList& list) {
    std::vector<Rgb> out;
    out.reserve(list.size() / 3);
    for (std::size_t i = 0; i + 2 < list.size(); i += 3) {
        out.push_back({static_cast<std::uint8_t>(list[i]), static_cast<std::uint8_t>(list[i + 1]),
                       static_cast<std::uint8_t>(list[i + 2])});
    }
    return out;
}

UintList listFromColors(const std::vector<Rgb>& colors) {
    UintList out;
    out.reserve(colors.size() * 3);
    for (const Rgb& c : colors) {
        out.push_back(c.r);
        out.push_back(c.g);
        out.push_back(c.b);
    }
    return out;
}

}  // namespace vx
