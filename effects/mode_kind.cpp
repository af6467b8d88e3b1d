#include "effects/mode_kind.h"

#include <algorithm>

namespace vx::kinds {
namespace {

constexpr std::array<std::string_view, 70> kOffered = {
    "CM_CUSTOMMODE", "CM_EMPTYMODE", "CM_REGROUP", "CM_REGRESS",
    // GC
    "CM_LEFTTORIGHT_GC", "CM_RIGHTTOLEFT_GC", "CM_UPTODOWN_GC", "CM_DOWNTOUP_GC", "CM_LEFTUP_GC",
    "CM_RIGHTUP_GC", "CM_LEFTDOWN_GC", "CM_RIGHTDOWN_GC", "CM_EXPANDCIRCULAR_GC",
    "CM_SHRINKCIRCULAR_GC",
    // GOBC
    "CM_LEFTTORIGHT_GOBC", "CM_RIGHTTOLEFT_GOBC", "CM_UPTODOWN_GOBC", "CM_DOWNTOUP_GOBC",
    "CM_LEFTUP_GOBC", "CM_RIGHTUP_GOBC", "CM_LEFTDOWN_GOBC", "CM_RIGHTDOWN_GOBC",
    // CC
    "CM_LEFTTORIGHT_CC", "CM_RIGHTTOLEFT_CC", "CM_UPTODOWN_CC", "CM_DOWNTOUP_CC", "CM_LEFTUP_CC",
    "CM_RIGHTUP_CC", "CM_LEFTDOWN_CC", "CM_RIGHTDOWN_CC", "CM_ASIDEFRAME_CC", "CM_SIDEFRAME_CC",
    // GF
    "CM_LEFTTORIGHT_GF", "CM_RIGHTTOLEFT_GF", "CM_UPTODOWN_GF", "CM_DOWNTOUP_GF", "CM_LEFTUP_GF",
    "CM_RIGHTUP_GF", "CM_LEFTDOWN_GF", "CM_RIGHTDOWN_GF", "CM_EXPANDCIRCULAR_GF",
    "CM_SHRINKCIRCULAR_GF",
    // CF
    "CM_LEFTTORIGHT_CF", "CM_RIGHTTOLEFT_CF", "CM_UPTODOWN_CF", "CM_DOWNTOUP_CF", "CM_LEFTUP_CF",
    "CM_RIGHTUP_CF", "CM_LEFTDOWN_CF", "CM_RIGHTDOWN_CF", "CM_ASIDEFRAME_CF", "CM_SIDEFRAME_CF",
    // brightness
    "CM_BRIGHTTODARK", "CM_SIDEFRAMEBD", "CM_KERNELBD",
    // SCROLL
    "CM_LEFTTORIGHT_SCROLL", "CM_RIGHTTOLEFT_SCROLL", "CM_UPTODOWN_SCROLL", "CM_DOWNTOUP_SCROLL",
    "CM_LEFTUP_SCROLL", "CM_LEFTDOWN_SCROLL", "CM_RIGHTUP_SCROLL", "CM_RIGHTDOWN_SCROLL",
    "CM_SIDEFRAME_SCROLL", "CM_ASIDEFRAME_SCROLL",
    // WORD
    "CM_LEFTTORIGHT_WORD", "CM_RIGHTTOLEFT_WORD", "CM_UPTODOWN_WORD", "CM_DOWNTOUP_WORD",
    // circle
    "CM_CIRCULAR_AREA"};

// GC, GOBC, CC, GF, CF, the three brightness kinds, then SCROLL: offered
// entries 4 to 64 in that same order.
constexpr std::size_t kInnerFirst = 4;
constexpr std::size_t kInnerCount = 61;

constexpr std::array<std::string_view, 4> kStraightWords = {
    "CM_LEFTTORIGHT_WORD", "CM_RIGHTTOLEFT_WORD", "CM_UPTODOWN_WORD", "CM_DOWNTOUP_WORD"};
constexpr std::array<std::string_view, 4> kDiagonalWords = {
    "CM_LEFTUP_WORD", "CM_RIGHTUP_WORD", "CM_LEFTDOWN_WORD", "CM_RIGHTDOWN_WORD"};

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& names, std::string_view kind) {
    return std::find(names.begin(), names.end(), kind) != names.end();
}

}  // namespace

std::span<const std::string_view> offeredKinds() { return kOffered; }

std::span<const std::string_view> circleInnerKinds() {
    return std::span<const std::string_view>(kOffered).subspan(kInnerFirst, kInnerCount);
}

bool isOfferedKind(std::string_view kind) { return contains(kOffered, kind); }
bool isWordKind(std::string_view kind) { return contains(kStraightWords, kind); }
bool isAnyWordKind(std::string_view kind) {
    return isWordKind(kind) || contains(kDiagonalWords, kind);
}
bool isCircleKind(std::string_view kind) { return kind == kCircularArea; }
bool isCustomKind(std::string_view kind) { return kind == kCustom; }
bool isControlKind(std::string_view kind) {
    return kind == kEmpty || kind == kRegroup || kind == kRegress;
}

bool customUsesCluster(std::int32_t kindCode) {
    return kindCode == 0 || kindCode == 5 || kindCode == 6 || kindCode == 9 || kindCode == 10;
}
bool customUsesClusterGroup(std::int32_t kindCode) {
    return (kindCode >= 1 && kindCode <= 4) || kindCode == 7 || kindCode == 8;
}

}  // namespace vx::kinds
