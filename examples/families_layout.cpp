#include "examples/families_layout.h"

#include <initializer_list>
#include <string>

#include "effects/color_gradient.h"

namespace vx {
namespace {

constexpr Rgb kRed{255, 40, 40};
constexpr Rgb kOrange{255, 140, 0};
constexpr Rgb kYellow{255, 230, 40};
constexpr Rgb kGreen{40, 220, 90};
constexpr Rgb kCyan{0, 200, 230};
constexpr Rgb kBlue{40, 80, 255};
constexpr Rgb kViolet{170, 60, 255};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kDark{10, 10, 40};

constexpr CellRect kAll{0, 0, kFamiliesColumns - 1, kFamiliesRows - 1};
constexpr std::int32_t kCentreX = kFamiliesColumns / 2;
constexpr std::int32_t kCentreY = kFamiliesRows / 2;

UintList colors(std::initializer_list<Rgb> list) { return listFromColors(std::vector<Rgb>(list)); }

// duration is the hold time in 100 ms: the next mode starts after it.
Mode familyMode(std::string kind, std::string label, std::initializer_list<Rgb> list,
                std::uint32_t stepDelay, std::int32_t stepCount, std::int32_t duration) {
    Mode m = createMode(std::move(kind));
    m.label = std::move(label);
    m.colors = colors(list);
    m.stepDelay = stepDelay;
    m.stepCount = stepCount;
    m.duration = duration;
    m.area = kAll;
    m.bandWidth = 1;
    return m;
}

ModeList familyModes() {
    const auto rainbow = {kRed, kOrange, kYellow, kGreen, kCyan, kBlue, kViolet};
    ModeList modes;
    modes.push_back(familyMode("CM_LEFTTORIGHT_CC", "Lamp colour change", rainbow, 8, 30, 18));
    modes.push_back(familyMode("CM_UPTODOWN_CF", "Lamp fill", {kCyan, kBlue}, 1, 0, 25));
    modes.push_back(familyMode("CM_LEFTTORIGHT_GC", "Group colour change", rainbow, 10, 20, 18));
    Mode scroll = familyMode("CM_DOWNTOUP_SCROLL", "Scroll",
                             {kYellow, kDark, kDark, kOrange, kDark, kDark}, 10, 18, 17);
    scroll.bandWidth = 1;
    modes.push_back(scroll);
    modes.push_back(familyMode("CM_RIGHTTOLEFT_GOBC", "Colours from the end",
                               {kGreen, kDark, kCyan, kDark}, 10, 20, 18));
    Mode diagonal =
        familyMode("CM_LEFTUP_GF", "Diagonal group fill", {kViolet, kBlue, kCyan}, 6, 0, 18);
    diagonal.bandWidth = 2;
    modes.push_back(diagonal);
    modes.push_back(familyMode("CM_EMPTYMODE", "Blackout", {}, 0, 0, 5));

    Mode expand = familyMode("CM_EXPANDCIRCULAR_GC", "Expanding rings",
                             {kRed, kOrange, kYellow, kDark}, 10, 24, 22);
    expand.startX = kCentreX;
    expand.startY = kCentreY;
    modes.push_back(expand);
    Mode shrink =
        familyMode("CM_SHRINKCIRCULAR_GF", "Shrinking fill", {kBlue, kCyan, kWhite}, 12, 0, 15);
    shrink.startX = kCentreX;
    shrink.startY = kCentreY;
    modes.push_back(shrink);
    modes.push_back(familyMode("CM_SIDEFRAME_CF", "Side frame", {kOrange, kYellow}, 3, 0, 18));
    modes.push_back(familyMode("CM_KERNELBD", "Kernel fade", {kViolet, kDark}, 5, 20, 16));
    modes.push_back(familyMode("CM_SIDEFRAMEBD", "Frame fade", {kWhite, kRed}, 5, 20, 14));

    Mode circle = familyMode("CM_CIRCULAR_AREA", "Circle", rainbow, 6, 24, 17);
    circle.circleX = kCentreX;
    circle.circleY = kCentreY;
    circle.circleRadius = 5;
    circle.circleKind = "CM_RIGHTUP_CC";
    circle.bandWidth = kFamiliesColumns + kFamiliesRows;
    modes.push_back(circle);

    // Fills the rows of cluster group 0 from the middle outward.
    Mode custom = familyMode("CM_CUSTOMMODE", "Custom rows", {kGreen, kYellow}, 10, 0, 14);
    custom.kindCode = 7;
    custom.clusterGroupIndex = 0;
    modes.push_back(custom);
    modes.push_back(familyMode("CM_BRIGHTTODARK", "Fade out", {kGreen, {0, 0, 0}}, 5, 20, 14));
    // Starts the whole show again.
    modes.push_back(familyMode("CM_REGRESS", "Again", {}, 0, 0, 0));
    return modes;
}

}  // namespace

LampLayout makeFamiliesLayout() {
    LampLayout layout;
    for (std::int32_t x = 0; x < kFamiliesColumns; ++x) {
        for (std::int32_t y = 0; y < kFamiliesRows; ++y) {
            Lamp lamp = Lamp::made(x, y, x * kFamiliesRows + y, 8);
            // One chain per pair of columns: down one column, up the next.
            lamp.port = x / 2 + 1 > 12 ? 12 : x / 2 + 1;
            lamp.portOrder = (x % 2 == 0 ? y : 2 * kFamiliesRows - 1 - y) + 1;
            layout.lamps.push_back(lamp);
        }
    }
    layout.effectLamps = transferredLamps(layout.lamps);

    auto& effects = layout.effects;
    effects.modes = familyModes();
    for (std::int32_t y = 0; y < kFamiliesRows; ++y) {
        Cluster row;
        for (const auto& lamp : layout.lamps) {
            if (lamp.y == y) row.push_back(static_cast<std::uint32_t>(lamp.number));
        }
        effects.clusters.push_back(std::move(row));
    }
    ClusterGroup middleOut;
    for (std::int32_t d = 0; d < kFamiliesRows / 2; ++d) {
        middleOut.push_back(static_cast<std::uint32_t>(kCentreY - 1 - d));
        middleOut.push_back(static_cast<std::uint32_t>(kCentreY + d));
    }
    effects.clusterGroups.push_back(std::move(middleOut));

    // Program group 0 plays everything; group 1 only the ring and frame modes.
    for (std::size_t i = 0; i < effects.modes.size(); ++i) {
        Mode entry = effects.modes[i];
        entry.kindCode = static_cast<std::int32_t>(i);
        effects.programGroups[0].push_back(entry);
        if (i >= 7 && i <= 11) effects.programGroups[1].push_back(std::move(entry));
    }
    return layout;
}

}  // namespace vx
