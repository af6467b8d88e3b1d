#pragma once
// The demo window's commands: the picture and its placement, the cell size
// and lamp shape, the program groups, Start and Stop. Each acts on the demo
// view of the active window.

#include <QString>

#include <string>

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"
#include "engine/ui/demo_view.h"
#include "output/live/dmx_output.h"
#include "output/live/live_sampler.h"
#include "output/ui/live_feed.h"
#include "platform/file_io.h"

namespace vx {

class DemoCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext& c) const override {
        const DemoView* view = c.activeDemoView();
        return view != nullptr && available(view->document());
    }
    bool run(AppCommandContext& c) override { return act(c, *c.activeDemoView()); }

protected:
    virtual bool available(const DemoDocument&) const { return true; }
    virtual bool act(AppCommandContext& c, DemoView& view) = 0;
};

// Tools for placing the picture: from its opening until the next Start.
class DemoPictureCommand : public DemoCommand {
protected:
    bool available(const DemoDocument& d) const override {
        return !d.picturePath().empty() && d.adjustMode();
    }
};

class DemoOpenPictureCommand : public DemoCommand {
protected:
    bool available(const DemoDocument& d) const override { return !d.started(); }
    bool act(AppCommandContext& c, DemoView& view) override {
        const QString name = c.askOpenName(QStringLiteral(
            "Pictures (*.bmp *.png *.jpg *.jpeg *.gif);;bitmap Files (*.bmp);;All Files (*)"));
        if (name.isEmpty()) return false;
        view.document().openPicture(name.toStdString());
        return true;
    }
};

class DemoScaleStepCommand : public DemoPictureCommand {
public:
    explicit DemoScaleStepCommand(double step) : step_(step) {}

protected:
    bool act(AppCommandContext&, DemoView& view) override {
        view.document().setScaleStep(step_);
        return true;
    }

private:
    double step_;
};

class DemoToolCommand : public DemoPictureCommand {
public:
    explicit DemoToolCommand(PictureTool tool) : tool_(tool) {}
    bool checkable() const override { return true; }
    bool checked(const AppCommandContext& c) const override {
        const DemoView* view = c.activeDemoView();
        return view != nullptr && view->document().tool() == tool_;
    }

protected:
    bool act(AppCommandContext&, DemoView& view) override {
        view.document().setTool(tool_);
        return true;
    }

private:
    PictureTool tool_;
};

// Writes the view's bitmap parameters ("bmp.h") to a file the user names.
inline bool saveBmpParametersAs(AppCommandContext& c, DemoView& view) {
    const QString name = c.askSaveName(QStringLiteral("Text Files (*.h);;All Files (*)"));
    if (name.isEmpty()) return false;
    const auto bytes = view.saveBmpParameters();
    const Status written =
        writeFileAtomically(name.toStdString(), std::string(bytes.begin(), bytes.end()));
    if (!written) c.showMessageKey(written.error().key);
    return written.ok();
}

class DemoSaveParametersCommand : public DemoPictureCommand {
protected:
    bool act(AppCommandContext& c, DemoView& view) override { return saveBmpParametersAs(c, view); }
};

// File > Save and Save As of a demo window write the same record.
class DemoSaveDocumentCommand : public DemoCommand {
protected:
    bool act(AppCommandContext& c, DemoView& view) override { return saveBmpParametersAs(c, view); }
};

class DemoLoadParametersCommand : public DemoPictureCommand {
protected:
    bool act(AppCommandContext& c, DemoView& view) override {
        const QString name = c.askOpenName(QStringLiteral("Text Files (*.h);;All Files (*)"));
        if (name.isEmpty()) return false;
        const Status read = view.document().loadBmpParameters(name.toStdString());
        if (!read) c.showMessageKey(read.error().key);
        return read.ok();
    }
};

class DemoScaleCommand : public DemoCommand {
protected:
    bool act(AppCommandContext& c, DemoView& view) override {
        DemoDocument& d = view.document();
        d.fitCellSizeIfUnset(view.width(), view.height());
        d.scaleDialogClosed(c.askEffectCellSize(d.cellSize()));
        return true;
    }
};

class DemoShapeCommand : public DemoCommand {
public:
    explicit DemoShapeCommand(bool round) : round_(round) {}
    bool checkable() const override { return true; }
    bool checked(const AppCommandContext& c) const override {
        const DemoView* view = c.activeDemoView();
        return view != nullptr && view->roundLamps() == round_;
    }

protected:
    bool act(AppCommandContext&, DemoView& view) override {
        view.setRoundLamps(round_);
        return true;
    }

private:
    bool round_;
};

class DemoProgramGroupCommand : public DemoCommand {
public:
    explicit DemoProgramGroupCommand(int group) : group_(group) {}
    bool checkable() const override { return true; }
    bool checked(const AppCommandContext& c) const override {
        const DemoView* view = c.activeDemoView();
        return view != nullptr && view->document().programGroup() == group_;
    }

protected:
    bool act(AppCommandContext&, DemoView& view) override {
        view.selectProgramGroup(group_);
        return true;
    }

private:
    int group_;
};

class DemoStartCommand : public DemoCommand {
protected:
    bool act(AppCommandContext&, DemoView& view) override {
        view.startDemo();
        return true;
    }
};

// Stop closes the demo window; closing it stops the playback.
class DemoStopCommand : public DemoCommand {
protected:
    bool act(AppCommandContext& c, DemoView&) override {
        c.activeDocumentWindow()->close();
        return true;
    }
};

// Live DMX while the demo plays: the dialog chooses the output and the first
// universe; Off ends the feed. A failing output is reported and the feed ends.
class DemoLiveOutputCommand : public DemoCommand {
public:
    bool checkable() const override { return true; }
    bool checked(const AppCommandContext& c) const override {
        const DocumentWindow* w = c.activeDocumentWindow();
        return w != nullptr && w->liveFeed() != nullptr;
    }

protected:
    bool act(AppCommandContext& c, DemoView& view) override {
        DocumentWindow* window = c.activeDocumentWindow();
        const auto choice = c.askLiveOutput(last_);
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
        QObject::connect(feed.get(), &LiveFeed::failed, window,
                         [&c, window](const QString& key, const QString&) {
                             c.showMessageKey(key.toStdString());
                             QMetaObject::invokeMethod(
                                 window, [window] { window->setLiveFeed(nullptr); },
                                 Qt::QueuedConnection);
                         });
        window->setLiveFeed(std::move(feed));
        return true;
    }

private:
    LiveOutputChoice last_;
};

}  // namespace vx
