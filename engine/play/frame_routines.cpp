#include "engine/play/frame_routines.h"

#include <vector>

#include "engine/play_kind.h"

namespace vx {

namespace {

std::uint64_t lampPainting(std::size_t lampCount) {
    return lampCount == 0 ? 0 : (lampCount - 1) / 10;
}
std::uint64_t groupPainting(std::size_t paintedLamps) { return paintedLamps / 20; }

}  // namespace

std::uint64_t lampStepWait(std::uint32_t stepDelay, std::size_t lampCount) {
    const std::uint64_t full = 10ull * stepDelay;
    const std::uint64_t painting = lampPainting(lampCount);
    return painting >= full ? 0 : full - painting;
}

std::uint64_t groupStepWait(std::uint32_t stepDelay, std::size_t paintedLamps) {
    const std::uint64_t painting = groupPainting(paintedLamps);
    const std::uint64_t least = 5ull * stepDelay;
    return painting < least ? 10ull * stepDelay - painting : least;
}

std::uint64_t lampStepTime(std::uint32_t stepDelay, std::size_t lampCount) {
    return plainStepTime(lampStepWait(stepDelay, lampCount) + lampPainting(lampCount));
}

std::uint64_t groupStepTime(std::uint32_t stepDelay, std::size_t paintedLamps) {
    return plainStepTime(groupStepWait(stepDelay, paintedLamps) + groupPainting(paintedLamps));
}

namespace {

std::size_t paintGroup(const PlayTables& tables, std::uint32_t group, ColorWord color,
                       DrawSurface& surface) {
    const auto lamps = tables.cluster(group);
    surface.paintAll(lamps, color);
    return lamps.size();
}

// The colours of `count` consecutive lamps, repeated so that the colours of
// any step are one window of it: entry i is colour (i mod n) of the list,
// counted from the start or from the end.
std::vector<ColorWord> repeatedColors(const ColorList& colors, std::size_t count, bool fromEnd) {
    const std::size_t n = colors.count();
    std::vector<ColorWord> out(count + n);
    for (std::size_t i = 0, c = 0; i < out.size(); ++i, c = c + 1 == n ? 0 : c + 1) {
        out[i] = fromEnd ? colors.fromEnd(c) : colors.at(c);
    }
    return out;
}

}  // namespace

// PlayKinds 1 to 4. Every step paints all groups, last group first; the kinds
// differ in which way the pattern moves and from which end the colours come.
Routine playGroupChange(Mode mode, const PlayTables& tables, DrawSurface& surface) {
    const std::int32_t kind = mode.playKind;
    const auto groups = tables.clusterGroup(mode.clusterGroupIndex);
    const ColorList colors = tables.colors(mode.colorIndex);
    const std::size_t g_count = groups.size();
    const std::size_t n = colors.count();
    for (std::int64_t j = 0; j < mode.stepCount; ++j) {
        const auto step = static_cast<std::size_t>(j);
        std::size_t painted = 0;
        if (colors.usable()) {
            for (std::size_t g = g_count; g-- > 0;) {
                const std::size_t forward = (step + g_count - 1 - g) % n;
                const std::size_t backward = (g + step) % n;
                ColorWord c = 0;
                switch (kind) {
                    case 1: c = colors.at(backward); break;
                    case 2: c = colors.at(forward); break;
                    case 3: c = colors.fromEnd(forward); break;
                    default: c = colors.fromEnd(backward); break;
                }
                painted += paintGroup(tables, groups[g], c, surface);
            }
        }
        co_await surface.wait(groupStepTime(mode.stepDelay, painted));
    }
}

// PlayKinds 5 and 6: the whole lamp list every step, the pattern moving one
// lamp per step toward earlier lamps (5) or later lamps (6). Kind 5 paints
// lamp k with colour (k + step) mod n; kind 6 paints from the last lamp back,
// the q-th lamp painted taking colour (step + q) mod n from the end. Either
// way a step's colours are a window of one repeated colour row.
Routine playLampChange(Mode mode, const PlayTables& tables, DrawSurface& surface) {
    const auto lamps = tables.cluster(mode.clusterIndex);
    const ColorList colors = tables.colors(mode.colorIndex);
    const std::size_t m = lamps.size();
    const std::size_t n = colors.count();
    const std::uint64_t wait = lampStepTime(mode.stepDelay, m);
    const bool forward = mode.playKind == 5;
    std::vector<ColorWord> row;
    std::vector<std::uint32_t> backward;
    if (colors.usable()) {
        row = repeatedColors(colors, m, !forward);
        if (!forward) backward.assign(lamps.rbegin(), lamps.rend());
    }
    const std::span<const std::uint32_t> order = forward ? lamps : std::span{backward};
    for (std::int64_t j = 0; j < mode.stepCount; ++j) {
        if (colors.usable()) {
            const std::size_t shift = static_cast<std::size_t>(j) % n;
            surface.paintEach(order, std::span{row}.subspan(shift, m));
        }
        co_await surface.wait(wait);
    }
}

// PlayKinds 7 and 8: one more group lit per step, in list order (7) or from
// the last group (8); lit groups stay lit.
Routine playGroupFill(Mode mode, const PlayTables& tables, DrawSurface& surface) {
    const ColorList colors = tables.colors(mode.colorIndex);
    if (!colors.usable()) co_return;
    const auto groups = tables.clusterGroup(mode.clusterGroupIndex);
    const std::size_t count = groups.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t g = mode.playKind == 7 ? i : count - 1 - i;
        paintGroup(tables, groups[g], colors.at(i % colors.count()), surface);
        co_await surface.wait(plainStepTime(9ull * mode.stepDelay));
    }
}

// PlayKinds 9 and 10: one more lamp per step, from the first (9) or the last
// lamp (10) of the list.
Routine playLampFill(Mode mode, const PlayTables& tables, DrawSurface& surface) {
    const ColorList colors = tables.colors(mode.colorIndex);
    if (!colors.usable()) co_return;
    const auto lamps = tables.cluster(mode.clusterIndex);
    const std::size_t m = lamps.size();
    for (std::size_t i = 0; i < m; ++i) {
        const std::size_t k = mode.playKind == 9 ? i : m - 1 - i;
        surface.paint(lamps[k], colors.at(i % colors.count()));
        co_await surface.wait(plainStepTime(10ull * mode.stepDelay));
    }
}

Routine playFrames(Mode mode, const PlayTables& tables, DrawSurface& surface,
                   PlayControl* control) {
    switch (mode.playKind) {
        case playkind::kFade: return playFade(std::move(mode), tables, surface);
        case 1:
        case 2:
        case 3:
        case 4: return playGroupChange(std::move(mode), tables, surface);
        case 5:
        case 6: return playLampChange(std::move(mode), tables, surface);
        case 7:
        case 8: return playGroupFill(std::move(mode), tables, surface);
        case 9:
        case 10: return playLampFill(std::move(mode), tables, surface);
        case playkind::kRegroup:
        case playkind::kEmpty:
        case playkind::kRegress: return playControl(std::move(mode), tables, surface, control);
        default: return Routine{};
    }
}

}  // namespace vx
