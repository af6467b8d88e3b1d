#include "examples/sample_layout.h"

#include <initializer_list>
#include <string>

#include "effects/color_gradient.h"

namespace vx {
namespace {

constexpr Rgb kRedRgb{255, 0, 0};
constexpr Rgb kGreenRgb{0, 255, 0};
constexpr Rgb kBlueRgb{0, 0, 255};
constexpr Rgb kWhiteRgb{255, 255, 255};
constexpr Rgb kYellowRgb{255, 255, 0};
constexpr Rgb kMagentaRgb{255, 0, 255};
constexpr Rgb kCyanRgb{0, 255, 255};
constexpr Rgb kOrangeRgb{255, 128, 0};

constexpr CellRect kWholeMatrix{0, 0, kSampleColumns - 1, kSampleRows - 1};

UintList colors(std::initializer_list<Rgb> list) { return listFromColors(std::vector<Rgb>(list)); }

// A mode as the Mode Parameter page stores it: the whole matrix as its area,
// "Hold time" equal to the time the steps take.
Mode sampleMode(std::string kind, std::string label, std::initializer_list<Rgb> list,
                std::uint32_t stepDelay, std::int32_t stepCount) {
    Mode m = createMode(std::move(kind));
    m.label = std::move(label);
    m.colors = colors(list);
    m.stepDelay = stepDelay;
    m.stepCount = stepCount;
    m.duration = static_cast<std::int32_t>(stepDelay * static_cast<std::uint32_t>(stepCount) / 10);
    m.area = kWholeMatrix;
    m.bandWidth = 1;
    m.extraRect = CellRect{0, 0, 0, 0};
    return m;
}

std::vector<Lamp> matrixLamps() {
    std::vector<Lamp> lamps;
    for (std::int32_t x = 0; x < kSampleColumns; ++x) {
        for (std::int32_t y = 0; y < kSampleRows; ++y) {
            lamps.push_back(Lamp::made(x, y, x * kSampleRows + y, 8));
        }
    }
    // Left half on port 1, right half on port 2. Each chain runs down the
    // first column of its half, up the next, and so on.
    const std::int32_t half = kSampleColumns / 2;
    for (auto& lamp : lamps) {
        const std::int32_t column = lamp.x % half;
        const std::int32_t row = column % 2 == 0 ? lamp.y : kSampleRows - 1 - lamp.y;
        lamp.port = lamp.x < half ? 1 : 2;
        lamp.portOrder = column * kSampleRows + row + 1;
    }
    return lamps;
}

ModeList sampleModes() {
    ModeList modes;
    Mode sweep =
        sampleMode("CM_LEFTTORIGHT_GC", "Colour sweep", {kRedRgb, kGreenRgb, kBlueRgb}, 10, 16);
    modes.push_back(sweep);

    Mode rain = sampleMode("CM_UPTODOWN_CC", "Falling chase", {kYellowRgb, kMagentaRgb}, 20, 10);
    rain.bandWidth = 2;
    modes.push_back(rain);

    // Runs over layer 1, the left half of the matrix.
    Mode fade = sampleMode("CM_BRIGHTTODARK", "Left fade", {kWhiteRgb, kBlueRgb}, 5, 32);
    fade.kindCode = 1;
    modes.push_back(fade);

    Mode ring = sampleMode("CM_EXPANDCIRCULAR_GF", "Expanding rings",
                           {kRedRgb, kOrangeRgb, kYellowRgb}, 10, 9);
    ring.startX = 7;
    ring.startY = 4;
    modes.push_back(ring);

    modes.push_back(sampleMode("CM_SIDEFRAME_CF", "Frame trace", {kCyanRgb, kBlueRgb}, 5, 48));

    Mode circle =
        sampleMode("CM_CIRCULAR_AREA", "Diagonal in a circle", {kGreenRgb, kBlueRgb}, 10, 20);
    circle.circleX = 7;
    circle.circleY = 4;
    circle.circleRadius = 4;
    circle.circleKind = "CM_RIGHTDOWN_CF";
    modes.push_back(circle);

    // A control mode: it plays no colours, only its hold time of 1 s matters.
    modes.push_back(sampleMode("CM_EMPTYMODE", "Pause", {}, 10, 10));

    Mode word =
        sampleMode("CM_LEFTTORIGHT_WORD", "Word sweep", {kWhiteRgb, kRedRgb, kBlueRgb}, 15, 16);
    word.wordStep = 2;
    word.wordColorMode = 0;
    modes.push_back(word);

    // Plays cluster 0 (the two middle rows) with PlayKind 0.
    Mode custom = sampleMode("CM_CUSTOMMODE", "Middle rows", {kRedRgb, kGreenRgb}, 10, 8);
    custom.kindCode = 0;
    custom.clusterIndex = 0;
    modes.push_back(custom);
    return modes;
}

}  // namespace

LampLayout makeSampleLayout() {
    LampLayout layout;
    layout.lamps = matrixLamps();
    layout.effectLamps = transferredLamps(layout.lamps);

    auto& effects = layout.effects;
    effects.modes = sampleModes();
    const std::initializer_list<std::initializer_list<std::int32_t>> programs = {
        {0, 1, 2}, {3, 4, 5}, {7, 6, 8}, {1, 5, 2}};
    std::size_t group = 0;
    for (const auto& program : programs) {
        for (auto index : program) {
            Mode entry = effects.modes[static_cast<std::size_t>(index)];
            entry.kindCode = index;
            effects.programGroups[group].push_back(std::move(entry));
        }
        ++group;
    }

    Cluster middleRows;
    Layer leftHalf;
    for (const auto& lamp : layout.lamps) {
        const auto number = static_cast<std::uint32_t>(lamp.number);
        if (lamp.y == 4 || lamp.y == 5) middleRows.push_back(number);
        if (lamp.x < kSampleColumns / 2) leftHalf.push_back(number);
    }
    internList(std::move(middleRows), effects.clusters);
    effects.layers[0] = std::move(leftHalf);
    return layout;
}

}  // namespace vx
