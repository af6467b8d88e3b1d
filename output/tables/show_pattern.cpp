#include "output/tables/show_pattern.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vx {
namespace {

// Direction flags the firmware reads from a fade target.
constexpr std::int64_t kFlagIncreasing = 768;
constexpr std::int64_t kFlagDecreasing = 512;

// Kinds whose printed code differs from their compiled code: the scroll
// direction of the firmware's group routine is the other one for them.
std::int32_t printedGroupCode(const Mode& mode) {
    static constexpr std::array<std::string_view, 4> kPrintedThree = {
        "CM_LEFTTORIGHT_GC", "CM_UPTODOWN_GC", "CM_LEFTUP_GC", "CM_LEFTDOWN_GC"};
    static constexpr std::array<std::string_view, 4> kPrintedTwo = {
        "CM_LEFTTORIGHT_GOBC", "CM_UPTODOWN_GOBC", "CM_LEFTUP_GOBC", "CM_LEFTDOWN_GOBC"};
    if (std::find(kPrintedThree.begin(), kPrintedThree.end(), mode.kind) != kPrintedThree.end()) {
        return 3;
    }
    if (std::find(kPrintedTwo.begin(), kPrintedTwo.end(), mode.kind) != kPrintedTwo.end()) {
        return 2;
    }
    return mode.playKind;
}

template <class... Values>
std::string values(const Values&... v) {
    std::string row;
    ((row += std::to_string(v) + ", "), ...);
    return row;
}

// Values each followed by ", " except the last, which takes `tail`.
template <class... Values>
std::string valuesWithTail(std::string_view tail, const Values&... v) {
    std::string row = values(v...);
    row.resize(row.size() - 2);
    row += tail;
    return row;
}

}  // namespace

FadeRow fadeRow(const Mode& mode) {
    const auto channel = [&](std::size_t i, std::int64_t missing) {
        return i < mode.colors.size() ? static_cast<std::int64_t>(mode.colors[i]) : missing;
    };
    const bool hasFirst = mode.colors.size() >= 3;
    const bool hasSecond = mode.colors.size() >= 6;
    FadeRow row;
    std::int64_t second[3] = {0, 0, 0};
    std::int64_t flag[3] = {0, 0, 0};
    std::int64_t largest = 0;
    for (std::size_t c = 0; c < 3; ++c) {
        row.first[c] = hasFirst ? channel(c, 0) : 0;
        second[c] = hasSecond ? channel(3 + c, 256) : 256;
        const std::int64_t distance = second[c] - row.first[c];
        largest = std::max(largest, distance < 0 ? -distance : distance);
        flag[c] = row.first[c] < second[c] ? kFlagIncreasing : kFlagDecreasing;
    }
    row.increment = mode.stepCount != 0 ? largest / mode.stepCount : largest;
    if (mode.kind == "CM_CUSTOMMODE") {
        for (std::size_t c = 0; c < 3; ++c) row.target[c] = second[c] + flag[c];
    } else {
        // One packed value carries all three directions; G and B stay plain.
        row.target[0] = second[0] + flag[0] + flag[1] + flag[2];
        row.target[1] = second[1];
        row.target[2] = second[2];
    }
    return row;
}

std::string showPatternRow(const Mode& m) {
    std::string row;
    switch (m.playKind) {
        case kRowEmpty:
        case kRowRegroup:
            row = values(m.playKind) + std::to_string(m.duration) + ",             ";
            break;
        case kRowRegress: row = "255, "; break;
        case 0: {
            const FadeRow f = fadeRow(m);
            row = values(m.playKind, f.increment, f.first[0], f.first[1], f.first[2], f.target[0],
                         f.target[1], f.target[2], m.stepDelay, m.duration, m.clusterIndex);
            break;
        }
        case 1:
        case 2:
        case 3:
        case 4:
            row = valuesWithTail(",               ", printedGroupCode(m), m.clusterGroupIndex,
                                 m.colorIndex, m.stepDelay, m.stepCount, m.duration);
            break;
        case 5:
        case 6:
            row = valuesWithTail(",                 ", m.playKind, m.clusterIndex, m.colorIndex,
                                 m.stepDelay, m.stepCount, m.duration);
            break;
        case 7:
        case 8:
            row = valuesWithTail(",            ", m.playKind, m.clusterGroupIndex, m.colorIndex,
                                 m.stepDelay, m.duration);
            break;
        case 9:
        case 10:
            row = valuesWithTail(",         ", m.playKind, m.clusterIndex, m.colorIndex,
                                 m.stepDelay, m.duration);
            break;
        default: break;
    }
    return row + "\r\n  ";
}

TextPieces buildShowPatternText(const CompiledEffects& compiled) {
    TextPieces pieces;
    int emptyInARow = 0;  // carries over from one group to the next
    for (std::size_t g = 0; g < compiled.programGroups.size(); ++g) {
        pieces.push_back("code unsigned int ShowPattern" + std::to_string(g) + "[] = {\r\n  ");
        for (const std::size_t position : compiled.programGroups[g]) {
            if (position >= compiled.modes.size()) continue;
            const Mode& mode = compiled.modes[position];
            if (mode.playKind == kRowEmpty) {
                if (++emptyInARow == 2) {
                    emptyInARow = 0;
                    break;
                }
            } else {
                emptyInARow = 0;
            }
            pieces.push_back(showPatternRow(mode));
        }
        pieces.push_back("0xFD,  0x0001, \r\n 0XFF, };\r\n ");
    }
    return pieces;
}

}  // namespace vx
