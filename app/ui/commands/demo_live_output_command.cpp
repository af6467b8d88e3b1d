#include "app/ui/commands/demo_live_output_command.h"

#include "output/live/dmx_output.h"
#include "output/live/live_sampler.h"
#include "output/ui/live_feed.h"

namespace vx {

bool DemoLiveOutputCommand::checked(const AppCommandContext& c) const {
    const DocumentWindow* w = c.activeDocumentWindow();
    return w != nullptr && w->liveFeed() != nullptr;
}

bool DemoLiveOutputCommand::act(AppCommandContext& c, DemoView& view) {
    DocumentWindow* window = c.activeDocumentWindow();
    const auto choice = c.dialogs().askLiveOutput(last_);
    if (!choice) return false;
    last_ = *choice;
    window->setLiveFeed(nullptr);
    if (choice->target.isEmpty()) return true;
    auto universes = mapUniverses(view.document().lamps(), choice->firstUniverse);
    if (!universes) {
        c.showMessageKey(universes.error().key);
        return false;
    }
    auto opened = openLiveOutput(choice->target.toStdString());
    if (!opened) {
        c.showMessageKey(opened.error().key);
        return false;
    }
    if (opened->fallback) c.showStatus(c.text("LIVE_OLA_FALLBACK"));
    auto feed = std::make_unique<LiveFeed>(view.player(), std::move(*universes),
                                           std::move(opened->output), kDefaultFramesPerSecond);
    feed->setFallback(opened->fallback.has_value());
    // The feed is ended after its signal has returned, never inside it.
    QObject::connect(
        feed.get(), &LiveFeed::failed, window, [&c, window](const QString& key, const QString&) {
            c.showMessageKey(key.toStdString());
            QMetaObject::invokeMethod(
                window, [window] { window->setLiveFeed(nullptr); }, Qt::QueuedConnection);
        });
    window->setLiveFeed(std::move(feed));
    return true;
}

}  // namespace vx
