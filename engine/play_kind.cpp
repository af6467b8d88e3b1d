#include "engine/play_kind.h"

#include <array>
#include <utility>

namespace vx {
namespace {

using Row = std::pair<std::string_view, std::int32_t>;

constexpr std::array<Row, 64> kPlayKinds = {{
    {"CM_BRIGHTTODARK", 0},
    {"CM_SIDEFRAMEBD", 0},
    {"CM_KERNELBD", 0},
    // 1: group colour change, backward
    {"CM_RIGHTTOLEFT_GC", 1},
    {"CM_DOWNTOUP_GC", 1},
    {"CM_RIGHTDOWN_GC", 1},
    {"CM_RIGHTUP_GOBC", 1},
    {"CM_RIGHTTOLEFT_SCROLL", 1},
    {"CM_DOWNTOUP_SCROLL", 1},
    {"CM_RIGHTDOWN_SCROLL", 1},
    {"CM_SHRINKCIRCULAR_GC", 1},
    // 2: group colour change, forward
    {"CM_LEFTTORIGHT_GC", 2},
    {"CM_UPTODOWN_GC", 2},
    {"CM_LEFTUP_GC", 2},
    {"CM_LEFTDOWN_GC", 2},
    {"CM_LEFTTORIGHT_SCROLL", 2},
    {"CM_UPTODOWN_SCROLL", 2},
    {"CM_LEFTUP_SCROLL", 2},
    {"CM_LEFTDOWN_SCROLL", 2},
    {"CM_EXPANDCIRCULAR_GC", 2},
    // 3: group colour change, forward, colours from the end
    {"CM_LEFTTORIGHT_GOBC", 3},
    {"CM_UPTODOWN_GOBC", 3},
    {"CM_LEFTUP_GOBC", 3},
    {"CM_LEFTDOWN_GOBC", 3},
    // 4: group colour change, backward, colours from the end
    {"CM_RIGHTTOLEFT_GOBC", 4},
    {"CM_DOWNTOUP_GOBC", 4},
    {"CM_RIGHTDOWN_GOBC", 4},
    {"CM_RIGHTUP_GC", 4},
    {"CM_RIGHTUP_SCROLL", 4},
    // 5: lamp colour change, backward
    {"CM_RIGHTTOLEFT_CC", 5},
    {"CM_DOWNTOUP_CC", 5},
    {"CM_LEFTUP_CC", 5},
    {"CM_LEFTDOWN_CC", 5},
    {"CM_SIDEFRAME_CC", 5},
    {"CM_SIDEFRAME_SCROLL", 5},
    // 6: lamp colour change, forward, colours from the end
    {"CM_LEFTTORIGHT_CC", 6},
    {"CM_UPTODOWN_CC", 6},
    {"CM_RIGHTDOWN_CC", 6},
    {"CM_RIGHTUP_CC", 6},
    {"CM_ASIDEFRAME_CC", 6},
    {"CM_ASIDEFRAME_SCROLL", 6},
    // 7: group fill, first group first
    {"CM_LEFTTORIGHT_GF", 7},
    {"CM_UPTODOWN_GF", 7},
    {"CM_LEFTUP_GF", 7},
    {"CM_LEFTDOWN_GF", 7},
    {"CM_EXPANDCIRCULAR_GF", 7},
    // 8: group fill, last group first
    {"CM_RIGHTTOLEFT_GF", 8},
    {"CM_DOWNTOUP_GF", 8},
    {"CM_RIGHTDOWN_GF", 8},
    {"CM_RIGHTUP_GF", 8},
    {"CM_SHRINKCIRCULAR_GF", 8},
    // 9: lamp fill, first lamp first
    {"CM_LEFTTORIGHT_CF", 9},
    {"CM_UPTODOWN_CF", 9},
    {"CM_RIGHTDOWN_CF", 9},
    {"CM_RIGHTUP_CF", 9},
    {"CM_ASIDEFRAME_CF", 9},
    // 10: lamp fill, last lamp first
    {"CM_RIGHTTOLEFT_CF", 10},
    {"CM_DOWNTOUP_CF", 10},
    {"CM_LEFTUP_CF", 10},
    {"CM_LEFTDOWN_CF", 10},
    {"CM_SIDEFRAME_CF", 10},
    // control modes
    {"CM_REGROUP", 253},
    {"CM_EMPTYMODE", 254},
    {"CM_REGRESS", 255},
}};

}  // namespace

std::optional<std::int32_t> playKindOf(std::string_view kind) {
    for (const auto& [name, playKind] : kPlayKinds) {
        if (name == kind) return playKind;
    }
    return std::nullopt;
}

bool isClusterPlayKind(std::int32_t playKind) {
    return playKind == 0 || playKind == 5 || playKind == 6 || playKind == 9 || playKind == 10;
}

bool isClusterGroupPlayKind(std::int32_t playKind) {
    return (playKind >= 1 && playKind <= 4) || playKind == 7 || playKind == 8;
}

}  // namespace vx
