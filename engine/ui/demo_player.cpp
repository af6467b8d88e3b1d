#include "engine/ui/demo_player.h"

namespace vx {

namespace {
// Often enough for a smooth 60 Hz picture; the playback's timing does not
// depend on it.
constexpr int kTickMs = 15;
}  // namespace

DemoPlayer::DemoPlayer(const CompiledEffects& effects, std::size_t lampCount, QObject* parent)
    : QObject(parent),
      effects_(effects),
      lampCount_(lampCount),
      colors_(lampCount, 0),
      painted_(lampCount) {
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &DemoPlayer::tick);
}

DemoPlayer::~DemoPlayer() = default;

void DemoPlayer::start(const PlayRequest& request) {
    stop();
    std::fill(painted_.begin(), painted_.end(), false);
    texts_.clear();
    PlayObserver* observer = this;
    playback_ = std::make_unique<Playback>(effects_, lampCount_, request, observer);
    endSaid_ = false;
    clock_.start();
    advanceTo(0);
    if (wallClock_) timer_.start();
}

void DemoPlayer::stop() {
    timer_.stop();
    endSaid_ = true;  // stopped, not ended
    if (playback_) playback_->stopAll();
}

void DemoPlayer::advanceTo(std::int64_t ms) {
    if (!playback_) return;
    const bool wasPlaying = !playback_->idle();
    playback_->runUntil(ms);
    if (changed_) {
        changed_ = false;
        Q_EMIT advanced();
    }
    if (playback_->idle()) {
        timer_.stop();
        if (wasPlaying && !endSaid_) {
            endSaid_ = true;
            Q_EMIT ended();
        }
    }
}

void DemoPlayer::tick() { advanceTo(clock_.elapsed()); }

void DemoPlayer::modeStarted(std::int64_t, std::size_t position, const Mode& mode) {
    Q_EMIT modeBegan(static_cast<int>(position), QString::fromStdString(mode.kind),
                     QString::fromStdString(mode.label));
}

void DemoPlayer::lampPainted(std::int64_t, std::uint32_t lamp, ColorWord color) {
    if (lamp >= colors_.size()) return;
    colors_[lamp] = color;
    painted_[lamp] = true;
    changed_ = true;
}

void DemoPlayer::textDrawn(std::int64_t, std::int32_t x, std::int32_t y, std::string_view s) {
    texts_[{x, y}] = std::string(s);
    changed_ = true;
}

}  // namespace vx
