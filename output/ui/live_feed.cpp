#include "output/ui/live_feed.h"

#include <cmath>

namespace vx {

LiveFeed::LiveFeed(const DemoPlayer& player, std::vector<DmxUniverse> universes,
                   std::unique_ptr<DmxOutput> output, double fps, QObject* parent)
    : QObject(parent),
      player_(player),
      output_(std::move(output)),
      sender_(std::move(universes), *output_) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(static_cast<int>(std::lround(1000.0 / (fps > 0 ? fps : 1.0))));
    connect(&timer_, &QTimer::timeout, this, &LiveFeed::sendFrame);
    timer_.start();
}

LiveFeed::~LiveFeed() = default;

void LiveFeed::sendFrame() {
    const Status sent = sender_.send(player_.colors());
    if (!sent) {
        timer_.stop();
        Q_EMIT failed(QString::fromStdString(sent.error().key),
                      QString::fromStdString(sent.error().detail));
        return;
    }
    ++frames_;
}

}  // namespace vx
