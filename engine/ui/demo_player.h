#pragma once
// Plays a demo on the user-interface thread: the playback runs on its own
// deterministic clock, and a timer moves that clock along with the wall
// clock, so the window shows exactly the timeline and stays responsive,
// sequential play included.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/play/playback.h"

namespace vx {

class DemoPlayer : public QObject, private PlayObserver {
    Q_OBJECT
public:
    // `effects` must outlive the player; lampCount is the layout's.
    DemoPlayer(const CompiledEffects& effects, std::size_t lampCount, QObject* parent = nullptr);
    ~DemoPlayer() override;

    // Stops whatever plays and starts `request` at time 0, now.
    void start(const PlayRequest& request);
    // Stops every mode where it stands; the lamps keep their colours.
    void stop();
    bool playing() const { return playback_ != nullptr && !playback_->idle(); }

    // Plays up to `ms` after the start. The timer calls this with the wall
    // clock; tests call it directly.
    void advanceTo(std::int64_t ms);
    // Off: only advanceTo() moves the clock (tests).
    void setWallClock(bool on) { wallClock_ = on; }

    std::int64_t now() const { return playback_ ? playback_->now() : 0; }
    const std::vector<ColorWord>& colors() const { return colors_; }
    // Lamps painted since the start: only these are drawn.
    const std::vector<bool>& painted() const { return painted_; }
    // Texts drawn by the playback, by position; the last one at a place wins.
    const std::map<std::pair<int, int>, std::string>& texts() const { return texts_; }

Q_SIGNALS:
    // The lamps or texts may have changed.
    void advanced();
    // A mode began: its position in the play list (as the timeline counts
    // it), its kind and its label, for the status bar.
    void modeBegan(int position, const QString& kind, const QString& label);
    // Every mode has finished by itself (not after stop()).
    void ended();

private:
    void tick();
    void modeStarted(std::int64_t, std::size_t, const Mode& mode) override;
    void lampPainted(std::int64_t, std::uint32_t lamp, ColorWord color) override;
    void textDrawn(std::int64_t, std::int32_t x, std::int32_t y, std::string_view s) override;

    const CompiledEffects& effects_;
    std::size_t lampCount_;
    std::unique_ptr<Playback> playback_;
    std::vector<ColorWord> colors_;
    std::vector<bool> painted_;
    std::map<std::pair<int, int>, std::string> texts_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool wallClock_ = true;
    bool changed_ = false;
    bool endSaid_ = false;
};

}  // namespace vx
