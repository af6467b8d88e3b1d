#include "effects/kind_shape.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "effects/mode_kind.h"

namespace vx::kinds {
namespace {

constexpr std::array<std::pair<std::string_view, Shape>, 12> kDirections = {{
    {"LEFTTORIGHT", Shape::Straight},
    {"RIGHTTOLEFT", Shape::Straight},
    {"UPTODOWN", Shape::Straight},
    {"DOWNTOUP", Shape::Straight},
    {"LEFTUP", Shape::Diagonal},
    {"RIGHTUP", Shape::Diagonal},
    {"LEFTDOWN", Shape::Diagonal},
    {"RIGHTDOWN", Shape::Diagonal},
    {"EXPANDCIRCULAR", Shape::Ring},
    {"SHRINKCIRCULAR", Shape::Ring},
    {"SIDEFRAME", Shape::Frame},
    {"ASIDEFRAME", Shape::Frame},
}};

constexpr std::array<std::pair<std::string_view, Family>, 7> kFamilies = {{
    {"GC", Family::GC},
    {"GOBC", Family::GOBC},
    {"CC", Family::CC},
    {"GF", Family::GF},
    {"CF", Family::CF},
    {"SCROLL", Family::Scroll},
    {"WORD", Family::Word},
}};

KindClass standAlone(std::string_view kind) {
    if (kind == kCustom) return {Family::Custom, Shape::None};
    if (kind == kEmpty) return {Family::Empty, Shape::None};
    if (kind == kRegroup) return {Family::Regroup, Shape::None};
    if (kind == kRegress) return {Family::Regress, Shape::None};
    if (kind == kCircularArea) return {Family::Circle, Shape::None};
    if (kind == "CM_BRIGHTTODARK" || kind == "CM_KERNELBD") {
        return {Family::Brightness, Shape::None};
    }
    if (kind == "CM_SIDEFRAMEBD") return {Family::Brightness, Shape::Frame};
    return {};
}

}  // namespace

KindClass classifyKind(std::string_view kind) {
    if (const KindClass alone = standAlone(kind); alone.family != Family::Unknown) return alone;
    // Only the names the pages know: an offered kind or a diagonal word name.
    if (!isOfferedKind(kind) && !isAnyWordKind(kind)) return {};
    constexpr std::string_view prefix = "CM_";
    const std::string_view rest = kind.substr(prefix.size());
    const auto cut = rest.find('_');
    const std::string_view direction = rest.substr(0, cut);
    const std::string_view family = rest.substr(cut + 1);
    KindClass result;
    for (const auto& [name, shape] : kDirections) {
        if (name == direction) result.shape = shape;
    }
    for (const auto& [name, fam] : kFamilies) {
        if (name == family) result.family = fam;
    }
    return result;
}

std::string_view ruleKind(std::string_view kind, std::string_view circleKind) {
    return isCircleKind(kind) ? circleKind : kind;
}

}  // namespace vx::kinds

namespace vx::kinds {
namespace {

// The info texts are numbered in their own order: the stand-alone kinds, then
// per straight or diagonal direction its GC, GOBC, GF, CC and CF kind, the
// frame kinds, brightness, scroll, word, the rings and the circle.
std::vector<std::string> infoOrder() {
    std::vector<std::string> order = {"CM_CUSTOMMODE", "CM_EMPTYMODE", "CM_REGROUP", "CM_REGRESS"};
    for (const char* dir : {"LEFTTORIGHT", "RIGHTTOLEFT", "UPTODOWN", "DOWNTOUP", "LEFTUP",
                            "RIGHTUP", "LEFTDOWN", "RIGHTDOWN"}) {
        for (const char* fam : {"GC", "GOBC", "GF", "CC", "CF"}) {
            order.push_back(std::string("CM_") + dir + "_" + fam);
        }
    }
    for (const char* k : {"CM_ASIDEFRAME_CC", "CM_ASIDEFRAME_CF", "CM_SIDEFRAME_CC",
                          "CM_SIDEFRAME_CF", "CM_BRIGHTTODARK", "CM_SIDEFRAMEBD", "CM_KERNELBD"}) {
        order.emplace_back(k);
    }
    for (std::string_view k : offeredKinds()) {
        const auto c = classifyKind(k);
        if (c.family == Family::Scroll || c.family == Family::Word) order.emplace_back(k);
    }
    for (const char* k : {"CM_EXPANDCIRCULAR_GC", "CM_EXPANDCIRCULAR_GF", "CM_SHRINKCIRCULAR_GC",
                          "CM_SHRINKCIRCULAR_GF", "CM_CIRCULAR_AREA"}) {
        order.emplace_back(k);
    }
    return order;
}

}  // namespace

int kindInfoNumber(std::string_view kind) {
    static const std::vector<std::string> order = infoOrder();
    const auto it = std::find(order.begin(), order.end(), kind);
    return it == order.end() ? 0 : static_cast<int>(it - order.begin()) + 1;
}

}  // namespace vx::kinds

namespace vx::kinds {

std::string kindInfoKey(std::string_view kind) {
    const int n = kindInfoNumber(kind);
    return n == 0 ? std::string() : "ID_MSG_PAGE3_MODE_INFO" + std::to_string(n);
}

std::string kindNameKey(std::string_view kind) {
    const int n = kindInfoNumber(kind);
    return n == 0 ? std::string() : "ID_MSG_PAGE3_MODE_NAME" + std::to_string(n);
}

}  // namespace vx::kinds
