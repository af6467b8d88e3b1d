#include "examples/lamp_wall.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vx {
namespace {

// Light per channel in 0..255 units, kept as doubles so that the wall, the
// lamp discs and their halos add up before a pixel is rounded and clipped.
struct Light {
    double r, g, b;
};

// Small deterministic generator, so the picture is the same everywhere.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    // Roughly normal, mean 0, spread about 1.
    double next() {
        double sum = 0;
        for (int i = 0; i < 4; ++i) sum += uniform();
        return (sum - 2.0) * 1.7;
    }

private:
    double uniform() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / 16777216.0;
    }
    std::uint32_t state_;
};

constexpr std::array<Light, 6> kLampColors{{
    {255, 214, 150},
    {255, 70, 45},
    {60, 235, 110},
    {70, 120, 255},
    {255, 190, 40},
    {230, 80, 255},
}};

// Brick-grey wall, darker towards the edges as under one spotlight.
Light wall(double x, double y, const LampWallPlan& plan) {
    const double dx = x / plan.width - 0.45;
    const double dy = y / plan.height - 0.4;
    const double light = 1.0 - 0.9 * (dx * dx + dy * dy);
    const bool mortar =
        std::fmod(y, 31.0) < 2.0 || std::fmod(x + (static_cast<int>(y / 31) % 2) * 30, 60.0) < 2.0;
    const double base = mortar ? 22 : 34;
    return {base * light + 4, base * light, base * light + 6};
}

// A lamp disc with a soft rim; a lit lamp is hotter in the middle and throws
// a halo on the wall.
void addGlow(Light& px, double distance, double radius, const Light& color, double strength,
             bool lit = true) {
    if (distance <= radius) {
        const double rim = std::clamp((radius - distance) / 3.0, 0.0, 1.0);
        const double hot = lit ? std::clamp(1.0 - distance / radius, 0.0, 1.0) * 60 : 0.0;
        px.r = px.r * (1 - rim) + std::min(255.0, color.r + hot) * rim * strength;
        px.g = px.g * (1 - rim) + std::min(255.0, color.g + hot) * rim * strength;
        px.b = px.b * (1 - rim) + std::min(255.0, color.b + hot) * rim * strength;
    }
    const double halo =
        std::exp(-std::pow((distance - radius) / (radius * 0.7), 2)) * 0.35 * strength;
    if (lit && distance > radius) {
        px.r += color.r * halo;
        px.g += color.g * halo;
        px.b += color.b * halo;
    }
}

}  // namespace

bool lampWallHasLamp(std::int32_t column, std::int32_t row, const LampWallPlan& plan) {
    const bool cutAway = column >= plan.columns - 2 && row <= 1;
    return !cutAway;
}

Picture makeLampWall(const LampWallPlan& plan) {
    Picture picture(plan.width, plan.height);
    Noise noise(plan.seed);
    const double reach = plan.radius * 2.5;
    for (std::int32_t y = 0; y < plan.height; ++y) {
        for (std::int32_t x = 0; x < plan.width; ++x) {
            Light px = wall(x, y, plan);
            // Only the nearest lamps can light this pixel.
            const auto c0 =
                static_cast<std::int32_t>(std::floor((x - plan.originX) / plan.spacing));
            const auto r0 =
                static_cast<std::int32_t>(std::floor((y - plan.originY) / plan.spacing));
            for (std::int32_t c = c0; c <= c0 + 1; ++c) {
                for (std::int32_t r = r0; r <= r0 + 1; ++r) {
                    if (c < 0 || r < 0 || c >= plan.columns || r >= plan.rows) continue;
                    const double d = std::hypot(x - (plan.originX + c * plan.spacing),
                                                y - (plan.originY + r * plan.spacing));
                    if (d > reach) continue;
                    if (c == kGlareColumn && r == kGlareRow) {
                        addGlow(px, d * 1.4, plan.radius, {250, 250, 235}, 0.9);
                    } else if (!lampWallHasLamp(c, r, plan)) {
                        continue;
                    } else if (c == kDeadLampColumn && r == kDeadLampRow) {
                        addGlow(px, d, plan.radius, {44, 40, 42}, 1.0, false);  // an unlit housing
                    } else {
                        addGlow(px, d, plan.radius,
                                kLampColors[static_cast<std::size_t>(c + r) % kLampColors.size()],
                                1.0);
                    }
                }
            }
            const std::size_t o = picture.offset(x, y);
            const double grain = noise.next() * 4.0;
            picture.rgb[o] =
                static_cast<std::uint8_t>(std::clamp(px.r + grain + noise.next() * 2, 0.0, 255.0));
            picture.rgb[o + 1] =
                static_cast<std::uint8_t>(std::clamp(px.g + grain + noise.next() * 2, 0.0, 255.0));
            picture.rgb[o + 2] =
                static_cast<std::uint8_t>(std::clamp(px.b + grain + noise.next() * 2, 0.0, 255.0));
        }
    }
    return picture;
}

}  // namespace vx
