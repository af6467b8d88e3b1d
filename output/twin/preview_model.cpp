#include "output/twin/preview_model.h"

#include <algorithm>

#include "output/twin/recorded_effects.h"

namespace vx {

PreviewModel::PreviewModel(const CompiledEffects& effects, std::size_t lampCount,
                           std::size_t program, bool asController)
    : effects_(asController ? asRecorded(effects) : effects),
      lampCount_(lampCount),
      program_(program),
      asController_(asController),
      colours_(lampCount, 0),
      painter_(lampCount, -1) {
    PlayRequest request;
    request.programGroup = program;
    modes_ = playList(effects, request);
    states_.push_back({0, colours_, painter_, -1});
    restart(0);
}

PreviewModel::~PreviewModel() = default;

void PreviewModel::restart(std::int64_t at) {
    PlayRequest request;
    request.order = PlayOrder::Sequential;
    request.programGroup = program_;
    offset_ = at;
    playback_ =
        std::make_unique<Playback>(effects_, lampCount_, request, static_cast<PlayObserver*>(this));
}

void PreviewModel::advanceTo(std::int64_t ms) {
    for (std::int64_t t = now_ + 1; t <= ms; ++t) {
        playback_->runUntil(t - offset_);
        // An empty program never plays: it neither ends nor loops.
        while (playback_->idle() && !modes_.empty()) {
            if (!firstEnd_) firstEnd_ = std::max(lastStop_, offset_);
            if (!asController_) break;
            // The controller plays the program again at once, keeping its colours.
            restart(std::max(lastStop_, offset_ + 1));
            playback_->runUntil(t - offset_);
        }
        now_ = t;
        if (changed_) {
            if (states_.back().from == t) {
                states_.back().colours = colours_;
                states_.back().painter = painter_;
                states_.back().playing = playing_;
            } else {
                states_.push_back({t, colours_, painter_, playing_});
            }
            changed_ = false;
        }
    }
}

const PreviewState& PreviewModel::stateAt(std::int64_t ms) const {
    auto after = std::ranges::upper_bound(states_, ms, {}, &PreviewState::from);
    return after == states_.begin() ? states_.front() : *std::prev(after);
}

void PreviewModel::forgetBefore(std::int64_t ms) {
    while (states_.size() > 1 && states_[1].from <= ms) states_.pop_front();
}

void PreviewModel::modeStarted(std::int64_t, std::size_t position, const Mode& mode) {
    playing_ = static_cast<std::int32_t>(position);
    if (!asController_ || !isGroupFillKind(mode.playKind)) return;
    const auto list = static_cast<std::size_t>(mode.clusterGroupIndex);
    if (list >= effects_.clusterGroups.size()) return;
    for (const auto group : effects_.clusterGroups[list]) {
        if (group >= effects_.clusters.size()) continue;
        for (const auto lamp : effects_.clusters[group]) {
            if (lamp >= colours_.size()) continue;
            colours_[lamp] = 0;
            painter_[lamp] = static_cast<std::int32_t>(position);
            changed_ = true;
        }
    }
}

void PreviewModel::modeStopped(std::int64_t t, std::size_t position, StopReason) {
    lastStop_ = offset_ + t;
    if (playing_ == static_cast<std::int32_t>(position)) playing_ = -1;
}

void PreviewModel::lampPainted(std::int64_t, std::uint32_t lamp, ColorWord colour) {
    // Playback reports only positions inside the layout.
    if (lamp >= colours_.size()) return;
    colours_[lamp] = colour;
    painter_[lamp] = playing_;
    changed_ = true;
}

}  // namespace vx
