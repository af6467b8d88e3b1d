#include "app/wizard/wizard_styles.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>

#include "effects/color_gradient.h"

namespace vx {
namespace {

constexpr std::array<StyleRun, kWizardStyleCount> kRuns{{
    {0, 1},
    {1, 1},
    {2, 1},
    {3, 1},
    {4, 1},
    {5, 1},
    {6, 1},
    {7, 1},
    {8, 6},
    {14, 5},
    {19, 14},
    {33, 5},
    {38, 15},
    {53, 6},
}};

constexpr Rgb kRed{255, 30, 30};
constexpr Rgb kOrange{255, 130, 0};
constexpr Rgb kAmber{255, 190, 40};
constexpr Rgb kYellow{255, 240, 60};
constexpr Rgb kLime{150, 255, 40};
constexpr Rgb kGreen{30, 220, 90};
constexpr Rgb kCyan{0, 210, 230};
constexpr Rgb kBlue{40, 70, 255};
constexpr Rgb kViolet{160, 50, 255};
constexpr Rgb kMagenta{255, 40, 190};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kWarmWhite{255, 200, 140};
constexpr Rgb kDark{8, 8, 24};
constexpr Rgb kBlack{0, 0, 0};

using Palette = std::initializer_list<Rgb>;
constexpr Palette kRainbow{kRed, kOrange, kYellow, kGreen, kCyan, kBlue, kViolet, kMagenta};
constexpr Palette kFire{kRed, kOrange, kAmber, kYellow, kAmber, kOrange};
constexpr Palette kSea{kBlue, kCyan, kWhite, kCyan, kBlue, kViolet};

UintList colors(Palette list) { return listFromColors(std::vector<Rgb>(list)); }

// Sizes and timing of one installation. Timings are chosen so each mode's
// hold time (`duration`, 100 ms) covers the time its routine runs, and the
// next mode of a style starts as this one ends.
class PresetMaker {
public:
    PresetMaker(const CellRect& area, std::size_t lampCount)
        : area_(area),
          columns_(std::max(1, area.right - area.left + 1)),
          rows_(std::max(1, area.bottom - area.top + 1)),
          lamps_(static_cast<std::int32_t>(std::max<std::size_t>(lampCount, 1))) {}

    std::int32_t diagonals() const { return columns_ + rows_ - 1; }
    std::int32_t rings() const { return std::max(columns_, rows_) / 2 + 1; }

    // A colour pattern moving S steps along lamps or groups, 10 x d ms a step.
    Mode sweep(std::string kind, std::string label, Palette list, std::uint32_t d,
               std::int32_t steps) const {
        Mode m = base(std::move(kind), std::move(label), list, d);
        m.stepCount = steps;
        m.duration = steps * static_cast<std::int32_t>(d) / 10 + 5;
        return m;
    }

    // Lights `groups` groups one after another, 9 x d ms each, in about
    // `seconds` whatever the size.
    Mode groupFill(std::string kind, std::string label, Palette list, std::int32_t groups,
                   std::int32_t tenths) const {
        const auto d = static_cast<std::uint32_t>(std::max(1, tenths * 100 / (9 * groups)));
        Mode m = base(std::move(kind), std::move(label), list, d);
        m.duration = 9 * static_cast<std::int32_t>(d) * groups / 100 + 5;
        return m;
    }

    // Lights the lamps one by one, 10 x d ms each.
    Mode lampFill(std::string kind, std::string label, Palette list, std::int32_t tenths) const {
        const auto d = static_cast<std::uint32_t>(std::max(1, tenths * 10 / lamps_));
        Mode m = base(std::move(kind), std::move(label), list, d);
        m.bandWidth = diagonals();
        m.duration = static_cast<std::int32_t>(d) * lamps_ / 10 + 5;
        return m;
    }

    // From the first colour to the second in `steps` frames of 10 x d ms.
    Mode fade(std::string kind, std::string label, Rgb from, Rgb to, std::uint32_t d,
              std::int32_t steps, std::int32_t tenths) const {
        Mode m = base(std::move(kind), std::move(label), {from, to}, d);
        m.stepCount = steps;
        m.duration = tenths;
        return m;
    }

    Mode ring(Mode m) const {
        m.startX = (area_.left + area_.right) / 2;
        m.startY = (area_.top + area_.bottom) / 2;
        return m;
    }

    Mode blackout(std::int32_t tenths) const {
        Mode m = base(std::string("CM_EMPTYMODE"), "Blackout", {}, 0);
        m.duration = tenths;
        return m;
    }

    Mode circle(std::string inner, std::string label, Palette list, std::uint32_t d,
                std::int32_t steps) const {
        Mode m = sweep("CM_CIRCULAR_AREA", std::move(label), list, d, steps);
        m.circleX = (area_.left + area_.right) / 2;
        m.circleY = (area_.top + area_.bottom) / 2;
        m.circleRadius = std::max(1, std::min(columns_, rows_) / 2);
        m.circleKind = std::move(inner);
        return m;
    }

private:
    Mode base(std::string kind, std::string label, Palette list, std::uint32_t d) const {
        Mode m = createMode(std::move(kind));
        m.label = std::move(label);
        m.colors = colors(list);
        m.stepDelay = d;
        m.area = area_;
        m.bandWidth = diagonals();  // diagonal lamp lists scan every diagonal
        return m;
    }

    CellRect area_;
    std::int32_t columns_;
    std::int32_t rows_;
    std::int32_t lamps_;
};

// Group kinds take one grid line per group.
Mode banded(Mode m) {
    m.bandWidth = 1;
    return m;
}

}  // namespace

StyleRun styleRun(std::size_t style) { return style < kRuns.size() ? kRuns[style] : StyleRun{}; }

ModeList makeStyleModes(const CellRect& area, std::size_t lampCount) {
    const PresetMaker p(area, lampCount);
    const std::int32_t diag = p.diagonals();
    const std::int32_t rings = p.rings();
    const std::int32_t across = std::max(1, area.right - area.left + 1);
    const std::int32_t down = std::max(1, area.bottom - area.top + 1);
    ModeList m;
    // 0 to 7: one mode each.
    m.push_back(banded(p.sweep("CM_LEFTTORIGHT_GC", "Sweep right", kRainbow, 8, 40)));
    m.push_back(banded(p.sweep("CM_RIGHTTOLEFT_GC", "Sweep left", kRainbow, 8, 40)));
    m.push_back(banded(p.sweep("CM_UPTODOWN_GC", "Sweep down", kFire, 8, 40)));
    m.push_back(banded(p.sweep("CM_DOWNTOUP_GC", "Sweep up", kSea, 8, 40)));
    m.push_back(banded(p.sweep("CM_LEFTUP_GC", "Diagonal sweep", kRainbow, 8, 40)));
    m.push_back(p.sweep("CM_SIDEFRAME_CC", "Frame chase",
                        {kCyan, kDark, kDark, kMagenta, kDark, kDark}, 6, 60));
    m.push_back(p.fade("CM_BRIGHTTODARK", "Breathe", kWarmWhite, kDark, 6, 20, 30));
    m.push_back(
        banded(p.sweep("CM_LEFTTORIGHT_SCROLL", "Scroll",
                       {kYellow, kOrange, kDark, kDark, kCyan, kBlue, kDark, kDark}, 10, 40)));

    // 8: colour wipes from the four sides, then a white flash fading out.
    m.push_back(banded(p.groupFill("CM_LEFTTORIGHT_GF", "Wipe right", {kRed}, across, 20)));
    m.push_back(banded(p.groupFill("CM_UPTODOWN_GF", "Wipe down", {kGreen}, down, 20)));
    m.push_back(banded(p.groupFill("CM_RIGHTTOLEFT_GF", "Wipe left", {kBlue}, across, 20)));
    m.push_back(banded(p.groupFill("CM_DOWNTOUP_GF", "Wipe up", {kAmber}, down, 20)));
    m.push_back(p.fade("CM_BRIGHTTODARK", "Flash", kWhite, kBlack, 5, 12, 10));
    m.push_back(p.blackout(3));

    // 9: rings out and in.
    m.push_back(p.ring(banded(p.sweep("CM_EXPANDCIRCULAR_GC", "Rings out", kRainbow, 8, 32))));
    m.push_back(p.ring(banded(p.sweep("CM_SHRINKCIRCULAR_GC", "Rings in", kSea, 8, 32))));
    m.push_back(p.ring(banded(
        p.groupFill("CM_EXPANDCIRCULAR_GF", "Ring fill out", {kMagenta, kViolet}, rings, 20))));
    m.push_back(p.ring(
        banded(p.groupFill("CM_SHRINKCIRCULAR_GF", "Ring fill in", {kCyan, kBlue}, rings, 20))));
    m.push_back(p.fade("CM_KERNELBD", "Core fade", kViolet, kBlack, 5, 16, 12));

    // 10: a colour change from every side and corner, then the frame and rings.
    m.push_back(p.sweep("CM_LEFTTORIGHT_CC", "From the left", kRainbow, 5, 24));
    m.push_back(p.sweep("CM_RIGHTTOLEFT_CC", "From the right", kRainbow, 5, 24));
    m.push_back(p.sweep("CM_UPTODOWN_CC", "From the top", kFire, 5, 24));
    m.push_back(p.sweep("CM_DOWNTOUP_CC", "From the bottom", kSea, 5, 24));
    m.push_back(p.sweep("CM_LEFTUP_CC", "From the top left", kRainbow, 5, 24));
    m.push_back(p.sweep("CM_RIGHTUP_CC", "From the top right", kFire, 5, 24));
    m.push_back(p.sweep("CM_LEFTDOWN_CC", "From the bottom left", kSea, 5, 24));
    m.push_back(p.sweep("CM_RIGHTDOWN_CC", "From the bottom right", kRainbow, 5, 24));
    m.push_back(p.sweep("CM_SIDEFRAME_CC", "Frame clockwise", {kRed, kAmber, kDark, kDark}, 4, 40));
    m.push_back(
        p.sweep("CM_ASIDEFRAME_CC", "Frame anticlockwise", {kBlue, kCyan, kDark, kDark}, 4, 40));
    m.push_back(banded(p.sweep("CM_LEFTTORIGHT_GOBC", "Bands right", kRainbow, 8, 24)));
    m.push_back(banded(p.sweep("CM_UPTODOWN_GOBC", "Bands down", kFire, 8, 24)));
    m.push_back(p.ring(banded(p.sweep("CM_EXPANDCIRCULAR_GC", "Rings", kRainbow, 8, 24))));
    m.push_back(p.fade("CM_SIDEFRAMEBD", "Edge fade", kWhite, kBlack, 5, 16, 12));

    // 11: fill with colour, clear to black, twice, then blackout.
    m.push_back(p.lampFill("CM_LEFTTORIGHT_CF", "Fill", {kGreen, kLime}, 25));
    m.push_back(p.lampFill("CM_RIGHTTOLEFT_CF", "Clear", {kBlack}, 25));
    m.push_back(banded(p.groupFill("CM_UPTODOWN_GF", "Fill down", {kViolet, kMagenta}, down, 20)));
    m.push_back(banded(p.groupFill("CM_DOWNTOUP_GF", "Clear up", {kBlack}, down, 20)));
    m.push_back(p.blackout(3));

    // 12: a grand tour through most families.
    m.push_back(p.sweep("CM_LEFTTORIGHT_CC", "Rainbow", kRainbow, 5, 20));
    m.push_back(p.lampFill("CM_UPTODOWN_CF", "Fill", {kCyan, kBlue}, 20));
    m.push_back(banded(p.sweep("CM_RIGHTTOLEFT_GC", "Bands", kFire, 8, 20)));
    m.push_back(banded(p.sweep("CM_DOWNTOUP_SCROLL", "Scroll up",
                               {kLime, kDark, kDark, kCyan, kDark, kDark}, 8, 24)));
    m.push_back(banded(p.sweep("CM_RIGHTDOWN_GOBC", "Diagonal bands", kRainbow, 8, 20)));
    m.push_back(
        banded(p.groupFill("CM_LEFTUP_GF", "Diagonal fill", {kViolet, kBlue, kCyan}, diag, 20)));
    m.push_back(p.ring(banded(p.sweep("CM_EXPANDCIRCULAR_GC", "Rings out", kRainbow, 8, 20))));
    m.push_back(p.ring(banded(
        p.groupFill("CM_SHRINKCIRCULAR_GF", "Ring fill", {kBlue, kCyan, kWhite}, rings, 15))));
    m.push_back(p.lampFill("CM_SIDEFRAME_CF", "Frame fill", {kOrange, kYellow}, 15));
    m.push_back(p.fade("CM_KERNELBD", "Core fade", kMagenta, kDark, 5, 16, 10));
    m.push_back(p.fade("CM_SIDEFRAMEBD", "Edge fade", kWhite, kRed, 5, 16, 10));
    m.push_back(p.circle("CM_RIGHTUP_CC", "Circle", kRainbow, 6, 24));
    m.push_back(p.sweep("CM_ASIDEFRAME_SCROLL", "Frame scroll",
                        {kYellow, kDark, kDark, kOrange, kDark, kDark}, 6, 30));
    m.push_back(p.fade("CM_BRIGHTTODARK", "Fade out", kGreen, kBlack, 5, 20, 12));
    m.push_back(p.blackout(3));

    // 13: fills from the four corners, and two diagonal lamp fills.
    m.push_back(banded(p.groupFill("CM_LEFTUP_GF", "From top left", {kRed, kOrange}, diag, 18)));
    m.push_back(
        banded(p.groupFill("CM_RIGHTDOWN_GF", "From bottom right", {kBlue, kCyan}, diag, 18)));
    m.push_back(
        banded(p.groupFill("CM_LEFTDOWN_GF", "From bottom left", {kGreen, kLime}, diag, 18)));
    m.push_back(
        banded(p.groupFill("CM_RIGHTUP_GF", "From top right", {kViolet, kMagenta}, diag, 18)));
    m.push_back(p.lampFill("CM_RIGHTDOWN_CF", "Diagonal lamps", {kAmber, kWhite}, 20));
    m.push_back(p.lampFill("CM_LEFTUP_CF", "Diagonal back", {kDark}, 20));
    return m;
}

}  // namespace vx
