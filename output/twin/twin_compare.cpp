#include "output/twin/twin_compare.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "output/twin/recorded_effects.h"

namespace vx {

const char* twinVerdictName(TwinVerdict verdict) {
    switch (verdict) {
        case TwinVerdict::Agrees: return "agrees";
        case TwinVerdict::ReversedColours: return "reversed-colours";
        case TwinVerdict::OtherWay: return "other-way";
        case TwinVerdict::FillFromBlack: return "fill-from-black";
        case TwinVerdict::Loops: return "loops";
        case TwinVerdict::StepTiming: return "step-timing";
        case TwinVerdict::Unexplained: return "unexplained";
    }
    return "unexplained";
}

bool isDocumented(TwinVerdict verdict) {
    return verdict != TwinVerdict::Agrees && verdict != TwinVerdict::Unexplained;
}

std::vector<std::uint32_t> lampChain(std::span<const Lamp> lamps) {
    std::vector<const Lamp*> wired;
    for (const Lamp& lamp : lamps) {
        if (lamp.port > 0) wired.push_back(&lamp);
    }
    std::ranges::stable_sort(wired, [](const Lamp* a, const Lamp* b) {
        return std::pair(a->port, a->portOrder) < std::pair(b->port, b->portOrder);
    });
    std::vector<std::uint32_t> chain;
    chain.reserve(wired.size());
    for (const Lamp* lamp : wired) chain.push_back(static_cast<std::uint32_t>(lamp->number));
    return chain;
}

TwinComparer::TwinComparer(const CompiledEffects& effects, std::span<const Lamp> lamps,
                           std::size_t program)
    : chain_(lampChain(lamps)),
      lampCount_(lamps.size()),
      preview_(effects, lamps.size(), program, false),
      controller_(effects, lamps.size(), program, true) {}

std::vector<ColorWord> TwinComparer::decode(const DmxFrame& frame) const {
    std::vector<ColorWord> colours(lampCount_, 0);
    for (std::size_t i = 0; i < chain_.size(); ++i) {
        if (chain_[i] >= lampCount_ || frame.size() < 4 + 3 * i) continue;
        colours[chain_[i]] = frame[1 + 3 * i] | (ColorWord{frame[2 + 3 * i]} << 8) |
                             (ColorWord{frame[3 + 3 * i]} << 16);
    }
    return colours;
}

std::vector<ColorWord> TwinComparer::previewAt(std::int64_t ms) const {
    return preview_.stateAt(ms - drift_).colours;
}

namespace {

bool sameOnChain(const std::vector<std::uint32_t>& chain, const std::vector<ColorWord>& a,
                 const std::vector<ColorWord>& b) {
    for (const std::uint32_t lamp : chain) {
        if (lamp < a.size() && a[lamp] != b[lamp]) return false;
    }
    return true;
}

}  // namespace

std::optional<TwinComparer::Span> TwinComparer::firstMatch(const PreviewModel& model,
                                                           const std::vector<ColorWord>& sent,
                                                           std::int64_t from,
                                                           std::int64_t to) const {
    const auto& states = model.states();
    for (std::size_t i = 0; i < states.size(); ++i) {
        const std::int64_t begin = std::max(states[i].from, from);
        const std::int64_t end =
            std::min(i + 1 < states.size() ? states[i + 1].from - 1 : model.now(), to);
        if (begin <= end && sameOnChain(chain_, states[i].colours, sent)) return Span{begin, end};
    }
    return std::nullopt;
}

std::optional<TwinPoint> TwinComparer::firstDifference(const PreviewState& state,
                                                       const std::vector<ColorWord>& sent,
                                                       std::int64_t ms) const {
    for (const std::uint32_t lamp : chain_) {
        if (lamp < lampCount_ && state.colours[lamp] != sent[lamp]) {
            return TwinPoint{ms, lamp,
                             state.painter[lamp] >= 0 ? state.painter[lamp] : state.playing};
        }
    }
    return std::nullopt;
}

TwinVerdict TwinComparer::documentedRule(TwinPoint& where, std::int64_t ms) const {
    const auto ended = preview_.firstEnd();
    if (ended && ms >= *ended) return TwinVerdict::Loops;
    // The rule of the mode that painted the lamp in the preview, or of the
    // one that painted it as the records carry the program; the difference
    // is counted for that mode.
    const auto& modes = preview_.modes();
    const std::int32_t painters[] = {where.mode, controller_.stateAt(ms).painter[where.lamp]};
    for (const std::int32_t p : painters) {
        if (p < 0 || static_cast<std::size_t>(p) >= modes.size()) continue;
        const std::int32_t kind = modes[static_cast<std::size_t>(p)].playKind;
        TwinVerdict rule = TwinVerdict::Unexplained;
        if (isReversedColourKind(kind)) rule = TwinVerdict::ReversedColours;
        if (isOtherWayKind(kind)) rule = TwinVerdict::OtherWay;
        if (isGroupFillKind(kind)) rule = TwinVerdict::FillFromBlack;
        if (rule != TwinVerdict::Unexplained) {
            where.mode = p;
            return rule;
        }
    }
    return TwinVerdict::Unexplained;
}

void TwinComparer::count(TwinVerdict verdict, const std::optional<TwinPoint>& where) {
    ++report_.framesCompared;
    ++report_.frames[static_cast<std::size_t>(verdict)];
    if (verdict == TwinVerdict::Agrees) return;
    ++report_.framesDiffering;
    const TwinPoint point = where.value_or(TwinPoint{});
    if (!report_.first) report_.first = std::pair(verdict, point);
    if (verdict == TwinVerdict::Unexplained && !report_.firstUnexplained) {
        report_.firstUnexplained = point;
    }
    auto entry = std::ranges::lower_bound(report_.byMode, point.mode, {}, &TwinModeCount::mode);
    if (entry == report_.byMode.end() || entry->mode != point.mode) {
        entry = report_.byMode.insert(entry, TwinModeCount{point.mode, {}});
    }
    ++entry->frames[static_cast<std::size_t>(verdict)];
}

TwinFrameResult TwinComparer::compare(std::int64_t ms, const DmxFrame& frame) {
    const std::int64_t at = ms - drift_;
    const std::vector<ColorWord> sent = decode(frame);
    preview_.advanceTo(std::max(at, lastShown_) + kTwinDriftMs);
    controller_.advanceTo(std::max(at, lastShown_) + kTwinDriftMs);

    TwinFrameResult result;
    // The frames come in the preview's order, so a frame shows the first
    // matching state from the one the last frame showed on (effects that
    // cycle show the same state again later): in the preview, or in the
    // program as the records carry it. Then its time is judged.
    const std::int64_t to = std::max(at, lastShown_) + kTwinDriftMs;
    const auto inPreview = firstMatch(preview_, sent, lastShown_, to);
    const auto inRecords = firstMatch(controller_, sent, lastShown_, to);
    std::optional<Span> found = inPreview;
    bool recorded = false;
    if (inRecords && (!inPreview || inRecords->first < inPreview->first)) {
        found = inRecords;
        recorded = true;
    }
    // On time when the state holds within the window of the frame's time;
    // the nearest moment it holds is the time the frame shows.
    std::optional<std::int64_t> shown;
    bool late = false;
    if (found) {
        shown = std::clamp(at, found->first, found->second);
        late = std::llabs(*shown - at) > kTwinWindowMs;
    }
    if (!shown) {
        result.verdict = TwinVerdict::Unexplained;
        result.where = firstDifference(preview_.stateAt(at), sent, at);
    } else {
        lastShown_ = found->first;
        // A frame that only comes at another time differs in step timing; one
        // whose colours are the records' is named by the rule behind them.
        result.where = firstDifference(preview_.stateAt(*shown), sent, *shown);
        if (recorded && result.where) {
            result.verdict = documentedRule(*result.where, *shown);
        } else {
            result.verdict = late ? TwinVerdict::StepTiming : TwinVerdict::Agrees;
            if (late) {
                // Named by the mode that shows the state the frame came with.
                result.where = firstDifference(preview_.stateAt(at), sent, at);
                if (result.where) {
                    result.where->mode = preview_.stateAt(*shown).playing;
                    if (result.where->mode < 0) result.where->mode = preview_.stateAt(at).playing;
                }
            }
        }
        if (late) drift_ = ms - *shown;
    }
    if (result.verdict == TwinVerdict::Agrees) result.where.reset();
    count(result.verdict, result.where);
    preview_.forgetBefore(std::min(at, lastShown_) - 2 * kTwinDriftMs);
    controller_.forgetBefore(std::min(at, lastShown_) - 2 * kTwinDriftMs);
    return result;
}

}  // namespace vx
