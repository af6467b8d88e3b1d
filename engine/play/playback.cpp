#include "engine/play/playback.h"

#include <algorithm>
#include <limits>
#include <string>

#include "engine/play/frame_routines.h"
#include "engine/play_kind.h"

namespace vx {

namespace {

constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();

bool isControlKind(std::int32_t kind) {
    return kind == playkind::kRegroup || kind == playkind::kEmpty || kind == playkind::kRegress;
}

std::int64_t later(std::int64_t now, std::uint64_t ms) {
    const auto room = static_cast<std::uint64_t>(kNever - now);
    return ms >= room ? kNever : now + static_cast<std::int64_t>(ms);
}

}  // namespace

std::vector<Mode> playList(const CompiledEffects& effects, const PlayRequest& request) {
    if (!request.programGroup) return effects.modes;
    std::vector<Mode> list;
    if (*request.programGroup >= effects.programGroups.size()) return list;
    for (const std::size_t position : effects.programGroups[*request.programGroup]) {
        if (position >= effects.modes.size()) continue;
        list.push_back(effects.modes[position]);
        if (isControlKind(list.back().playKind)) {
            list.back().stepCount = static_cast<std::int32_t>(list.size() - 1);
        }
    }
    return list;
}

Playback::Playback(const CompiledEffects& effects, std::size_t lampCount,
                   const PlayRequest& request, PlayObserver* observer)
    : tables_{effects, lampCount},
      request_(request),
      observer_(observer),
      list_(playList(effects, request)),
      colors_(lampCount, 0) {
    switch (request.order) {
        case PlayOrder::Sequential:
            for (Mode& mode : list_) mode.startOffset = 0;
            if (!list_.empty()) launch(0, 0);
            break;
        case PlayOrder::Parallel:
            playState_ = playstate::kParallelRunning;
            startThreads(0, list_.size());
            break;
        case PlayOrder::Partial: {
            if (list_.empty()) break;
            const std::size_t end = std::min(request.last, list_.size() - 1) + 1;
            if (request.first < end) startThreads(request.first, end);
            break;
        }
    }
}

Playback::~Playback() = default;

// Mode k starts 2 s after the playback plus the durations (100 ms units) of
// the modes started before it, whether or not those have finished.
void Playback::startThreads(std::size_t first, std::size_t end) {
    playingThreads_.clear();
    std::int64_t t = 20;
    for (std::size_t i = first; i < end; ++i) {
        list_[i].startOffset = static_cast<std::int32_t>(
            std::clamp<std::int64_t>(t, 0, std::numeric_limits<std::int32_t>::max()));
        t += list_[i].duration;
        launch(i, now_ + std::int64_t{list_[i].startOffset} * 100);
    }
}

void Playback::launch(std::size_t position, std::int64_t at) {
    const bool threaded = request_.order != PlayOrder::Sequential;
    const std::uint64_t id = nextId_++;
    Task task;
    task.routine = playFrames(list_[position], tables_, *this, threaded ? this : nullptr);
    task.position = position;
    task.wake = std::max(at, now_);
    queue_.insert({task.wake, id});
    tasks_.emplace(id, std::move(task));
    if (!threaded) return;
    playingThreads_.push_back(id);
    if (observer_ != nullptr) {
        const std::int32_t x = request_.surfaceWidth - 160;
        const std::string caption = "Program Group " +
                                    std::to_string(request_.programGroup.value_or(0)) + " [" +
                                    std::to_string(list_.size()) + "]";
        observer_->textDrawn(now_, x, 10, caption);
        observer_->textDrawn(now_, x, 30, std::string(33, ' '));
        observer_->textDrawn(now_, x, 30, list_[position].label);
    }
}

void Playback::runUntil(std::int64_t ms) {
    while (!queue_.empty() && queue_.begin()->first <= ms) {
        const Key key = *queue_.begin();
        queue_.erase(queue_.begin());
        now_ = key.first;
        step(key.second);
    }
    now_ = std::max(now_, ms);
}

void Playback::step(std::uint64_t id) {
    const auto it = tasks_.find(id);
    if (it == tasks_.end()) return;
    Task& task = it->second;
    const std::size_t position = task.position;
    current_ = id;
    if (!task.started) {
        task.started = true;
        if (observer_ != nullptr) observer_->modeStarted(now_, position, list_[position]);
    }
    // Control modes may stop other modes in here; std::map keeps `task` valid.
    const auto wait = task.routine.resume();
    if (wait) {
        task.wake = later(now_, *wait);
        queue_.insert({task.wake, id});
    } else {
        tasks_.erase(it);
        if (observer_ != nullptr) observer_->modeStopped(now_, position, StopReason::Finished);
        if (request_.order == PlayOrder::Sequential && position + 1 < list_.size()) {
            launch(position + 1, now_);
        }
    }
    if (restartPending_) {
        restartPending_ = false;
        playState_ = playstate::kParallelRunning;
        startThreads(0, list_.size());
    }
}

void Playback::stop(std::uint64_t id) {
    const auto it = tasks_.find(id);
    if (it == tasks_.end()) return;
    queue_.erase({it->second.wake, id});
    const bool started = it->second.started;
    const std::size_t position = it->second.position;
    tasks_.erase(it);
    if (started && observer_ != nullptr)
        observer_->modeStopped(now_, position, StopReason::Stopped);
}

void Playback::stopAll() {
    while (!tasks_.empty()) stop(tasks_.begin()->first);
    playingThreads_.clear();
}

void Playback::paint(std::uint32_t lamp, ColorWord color) {
    if (lamp >= colors_.size()) return;
    colors_[lamp] = color;
    if (observer_ != nullptr) observer_->lampPainted(now_, lamp, color);
}

void Playback::paintEach(std::span<const std::uint32_t> lamps, std::span<const ColorWord> colors) {
    if (observer_ != nullptr) {
        DrawSurface::paintEach(lamps, colors);
        return;
    }
    const std::size_t count = colors_.size();
    ColorWord* out = colors_.data();
    for (std::size_t i = 0; i < lamps.size(); ++i) {
        if (lamps[i] < count) out[lamps[i]] = colors[i];
    }
}

void Playback::paintAll(std::span<const std::uint32_t> lamps, ColorWord color) {
    if (observer_ != nullptr) {
        DrawSurface::paintAll(lamps, color);
        return;
    }
    const std::size_t count = colors_.size();
    ColorWord* out = colors_.data();
    for (const std::uint32_t lamp : lamps) {
        if (lamp < count) out[lamp] = color;
    }
}

void Playback::text(std::int32_t x, std::int32_t y, std::string_view s) {
    if (observer_ != nullptr) observer_->textDrawn(now_, x, y, s);
}

void Playback::stopEarlierModes(std::size_t p) {
    const std::size_t count = std::min(p, playingThreads_.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (playingThreads_[i] == current_) break;
        stop(playingThreads_[i]);
    }
}

bool Playback::parallelRunning() const { return playState_ == playstate::kParallelRunning; }

void Playback::startOver() {
    for (const std::uint64_t id : playingThreads_) {
        if (id != current_) stop(id);
    }
    playState_ = playstate::kStartOver;
    restartPending_ = true;
}

}  // namespace vx
