#pragma once
// Live DMX while a demo plays: a timer samples the demo player's lamp
// colours at the frame rate and sends them through a DMX output. The player
// runs on the wall clock, so the frames show what the window shows.

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <vector>

#include "engine/ui/demo_player.h"
#include "output/live/dmx_frame_sender.h"
#include "output/live/dmx_output.h"

namespace vx {

class LiveFeed : public QObject {
    Q_OBJECT
public:
    // `player` must outlive the feed. Frames go out from now on, whether or
    // not the player plays (receivers want a frame at least once a second).
    LiveFeed(const DemoPlayer& player, std::vector<DmxUniverse> universes,
             std::unique_ptr<DmxOutput> output, double fps, QObject* parent = nullptr);
    ~LiveFeed() override;

    // Sends one frame now.
    void sendFrame();
    std::uint64_t framesSent() const { return frames_; }
    QString describe() const { return QString::fromStdString(output_->describe()); }
    // Set when the output chosen (OLA) did not answer and this one stands in.
    void setFallback(bool fallback) { fallback_ = fallback; }
    bool isFallback() const { return fallback_; }

Q_SIGNALS:
    // A send failed; the feed has stopped. `key` is a message key.
    void failed(const QString& key, const QString& detail);

private:
    const DemoPlayer& player_;
    std::unique_ptr<DmxOutput> output_;
    DmxFrameSender sender_;
    QTimer timer_;
    std::uint64_t frames_ = 0;
    bool fallback_ = false;
};

}  // namespace vx
