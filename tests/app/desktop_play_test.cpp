// The play commands from the effect window and the demo window's commands,
// run through the main window as the menus run them.

#include <QImage>
#include <QLabel>
#include <QStatusBar>

#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>
#include <fstream>

#include "app/ui/command_ids.h"
#include "app/ui/menu_tables.h"
#include "desktop_fixture.h"
#include "engine/ui/demo_view.h"
#include "engine/ui/effect_view.h"
#include "engine/ui/sheet/mode_sheet_dialog.h"
#include "output/ui/live_feed.h"
#include "tests/support/sacn_receiver.h"

namespace vx::test {
namespace {

class DesktopPlay : public Desktop {
protected:
    MainWindow* startWithEffectWindow() {
        MainWindow* w = start(kSample.string());
        EXPECT_TRUE(w->runCommand(cmd::TransferData));
        return w;
    }
    static DemoView* activeDemo(MainWindow* w) {
        DocumentWindow* active = w->activeDocumentWindow();
        return active != nullptr ? active->demoView() : nullptr;
    }
    // A small picture to place the demo over.
    QString savePicture() const {
        QImage photo(20, 20, QImage::Format_RGB32);
        photo.fill(Qt::blue);
        const QString picture = QString::fromStdString((folder_.path() / "hall.png").string());
        EXPECT_TRUE(photo.save(picture));
        return picture;
    }
    // The demo view's pop-up menu, opened anew (the newest child menu).
    static QMenu* popUpMenu(MainWindow* w, DemoView* demo) {
        Q_EMIT demo->contextMenuWanted(QPoint(10, 10));
        const auto menus = w->findChildren<QMenu*>(Qt::FindDirectChildrenOnly);
        return menus.isEmpty() ? nullptr : menus.back();
    }
    static QAction* actionWithId(QMenu* menu, int id) {
        for (QAction* a : menu->actions()) {
            if (a->data().toInt() == id) return a;
            if (a->menu() != nullptr) {
                if (QAction* inner = actionWithId(a->menu(), id)) return inner;
            }
        }
        return nullptr;
    }
};

TEST_F(DesktopPlay, ThePopUpMenuShowsTheStateOfTheDemoCommands) {
    MainWindow* w = startWithEffectWindow();
    ASSERT_TRUE(w->runCommand(cmd::ParallelPlay));
    DemoView* demo = activeDemo(w);
    ASSERT_NE(demo, nullptr);
    demo->player().setWallClock(false);
    QMenu* menu = popUpMenu(w, demo);
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(actionWithId(menu, cmd::DemoWidenImage)->isEnabled());  // needs a picture
    EXPECT_TRUE(actionWithId(menu, cmd::DemoOpenBackImage)->isEnabled());

    const QString picture = savePicture();
    dialogs_->openName = [picture](const QString&) { return picture; };
    ASSERT_TRUE(w->runCommand(cmd::DemoOpenBackImage));
    ASSERT_TRUE(w->runCommand(cmd::DemoMoveImage));
    menu = popUpMenu(w, demo);
    EXPECT_TRUE(actionWithId(menu, cmd::DemoWidenImage)->isEnabled());
    EXPECT_TRUE(actionWithId(menu, cmd::DemoMoveImage)->isChecked());

    ASSERT_TRUE(w->runCommand(cmd::DemoStart));
    ASSERT_TRUE(w->runCommand(programGroupCommand(5)));
    ASSERT_TRUE(w->runCommand(cmd::DemoRect));
    menu = popUpMenu(w, demo);
    QAction* five = actionWithId(menu, programGroupCommand(5));
    ASSERT_NE(five, nullptr);
    EXPECT_TRUE(five->isChecked());
    EXPECT_EQ(five->text(), w->text("ID_PRG_5"));
    EXPECT_FALSE(actionWithId(menu, programGroupCommand(0))->isChecked());
    EXPECT_TRUE(actionWithId(menu, cmd::DemoRect)->isChecked());
    EXPECT_FALSE(actionWithId(menu, cmd::DemoCircle)->isChecked());
    EXPECT_FALSE(actionWithId(menu, cmd::DemoWidenImage)->isEnabled());
    EXPECT_FALSE(actionWithId(menu, cmd::DemoOpenBackImage)->isEnabled());  // until Start only

    actionWithId(menu, cmd::DemoStop)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(activeDemo(w), nullptr);
}

TEST_F(DesktopPlay, ParallelPlayOpensADemoWindowThatStartsOnStartAndStops) {
    MainWindow* w = startWithEffectWindow();
    EXPECT_FALSE(w->action(cmd::DemoStart)->isEnabled());  // no demo window yet
    ASSERT_TRUE(w->runCommand(cmd::ParallelPlay));
    DemoView* demo = activeDemo(w);
    ASSERT_NE(demo, nullptr);
    EXPECT_EQ(w->menuKind(), MenuKind::Demo);
    EXPECT_FALSE(w->toolBar()->isEnabled());
    demo->player().setWallClock(false);
    demo->resize(800, 600);
    demo->render();
    EXPECT_TRUE(demo->document().adjustMode());
    EXPECT_FALSE(demo->player().playing());

    ASSERT_TRUE(w->runCommand(cmd::DemoStart));
    demo->render();
    EXPECT_TRUE(demo->player().playing());
    EXPECT_EQ(demo->document().playState(), playstate::kParallelRunning);

    // Program group 1 from the menu: checked, and played from its start.
    demo->player().advanceTo(3000);
    ASSERT_TRUE(w->runCommand(programGroupCommand(1)));
    EXPECT_TRUE(w->action(programGroupCommand(1))->isChecked());
    EXPECT_FALSE(w->action(programGroupCommand(0))->isChecked());
    demo->render();
    EXPECT_EQ(demo->player().now(), 0);
    EXPECT_EQ(demo->document().programGroup(), 1);

    ASSERT_TRUE(w->runCommand(cmd::DemoRect));
    EXPECT_FALSE(demo->roundLamps());
    EXPECT_TRUE(w->action(cmd::DemoRect)->isChecked());

    ASSERT_TRUE(w->runCommand(cmd::DemoStop));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(activeDemo(w), nullptr);
    EXPECT_TRUE(w->toolBar()->isEnabled());
}

TEST_F(DesktopPlay, SequentialPlayAndThePictureCommands) {
    MainWindow* w = startWithEffectWindow();
    ASSERT_TRUE(w->runCommand(cmd::SequentialPlay));
    DemoView* demo = activeDemo(w);
    ASSERT_NE(demo, nullptr);
    EXPECT_EQ(demo->document().replayState(), playstate::kSequential);
    // The picture tools wait for a picture.
    EXPECT_FALSE(w->action(cmd::DemoWidenImage)->isEnabled());
    const QString picture = savePicture();
    dialogs_->openName = [picture](const QString&) { return picture; };
    ASSERT_TRUE(w->runCommand(cmd::DemoOpenBackImage));
    EXPECT_TRUE(demo->document().showLamps());
    ASSERT_TRUE(w->runCommand(cmd::DemoEnlargeImage));
    EXPECT_DOUBLE_EQ(demo->document().scaleStep(), 0.5);
    ASSERT_TRUE(w->runCommand(cmd::DemoWidenImage));
    EXPECT_TRUE(w->action(cmd::DemoWidenImage)->isChecked());
    EXPECT_EQ(demo->document().tool(), PictureTool::Widen);

    // bmp.h out and back in through the commands.
    const QString parameters = QString::fromStdString((folder_.path() / "bmp.h").string());
    dialogs_->saveName = [parameters](const QString&) { return parameters; };
    ASSERT_TRUE(w->runCommand(cmd::DemoSaveImageParameters));
    EXPECT_TRUE(std::filesystem::exists(folder_.path() / "bmp.h"));
    dialogs_->openName = [parameters](const QString&) { return parameters; };
    ASSERT_TRUE(w->runCommand(cmd::DemoLoadImageParameters));
    EXPECT_EQ(demo->document().placementPending(), 2);
    dialogs_->openName = [this](const QString&) {
        return QString::fromStdString((folder_.path() / "none.h").string());
    };
    EXPECT_FALSE(w->runCommand(cmd::DemoLoadImageParameters));
    EXPECT_FALSE(messages_.isEmpty());

    demo->player().setWallClock(false);
    ASSERT_TRUE(w->runCommand(cmd::DemoStart));
    demo->resize(800, 600);
    demo->render();
    EXPECT_EQ(demo->document().playState(), playstate::kIdle);
    EXPECT_TRUE(demo->player().playing());
    EXPECT_FALSE(w->action(cmd::DemoOpenBackImage)->isEnabled());  // only until the first Start
}

TEST_F(DesktopPlay, OpeningABmpParametersFileOpensADemoDocument) {
    MainWindow* w = start();
    const auto file = folder_.path() / "BMP.H";
    const std::string record = "\x15"
                               "370.5,12.25,0.2,2,";
    { std::ofstream(file, std::ios::binary) << record; }
    dialogs_->openName = [&file](const QString&) { return QString::fromStdString(file.string()); };
    ASSERT_TRUE(w->runCommand(cmd::FileOpen));
    DemoView* demo = activeDemo(w);
    ASSERT_NE(demo, nullptr);
    EXPECT_EQ(demo->document().normalised(), (NormalisedPlacement{370.5, 12.25, 0.2}));
    EXPECT_EQ(demo->document().placementPending(), 2);
    demo->resize(400, 300);
    demo->render();  // nothing to play, nothing to draw but black
    dialogs_->openName = [this](const QString&) {
        return QString::fromStdString((folder_.path() / "gone.h").string());
    };
    EXPECT_FALSE(w->runCommand(cmd::FileOpen));
    EXPECT_EQ(messages_.size(), 1);
}

TEST_F(DesktopPlay, LiveOutputSendsTheDemoAsSacnUntilSwitchedOff) {
    MainWindow* w = startWithEffectWindow();
    ASSERT_TRUE(w->runCommand(cmd::ParallelPlay));
    DocumentWindow* window = w->activeDocumentWindow();
    SacnReceiver receiver;
    ASSERT_TRUE(receiver.bound());
    const QString target = QStringLiteral("sacn:127.0.0.1:%1").arg(receiver.port());
    dialogs_->liveOutput = [target](const LiveOutputChoice&) {
        return LiveOutputChoice{target, 7};
    };
    ASSERT_TRUE(w->runCommand(cmd::DemoLiveOutput));
    ASSERT_NE(window->liveFeed(), nullptr);
    EXPECT_TRUE(w->action(cmd::DemoLiveOutput)->isChecked());
    // The status bar names the target while the feed runs.
    const auto* live = w->findChild<QLabel*>(QStringLiteral("liveTarget"));
    ASSERT_NE(live, nullptr);
    EXPECT_FALSE(live->isHidden());
    EXPECT_TRUE(live->text().startsWith(
        QStringLiteral("Live output: sACN to 127.0.0.1:%1").arg(receiver.port())))
        << live->text().toStdString();
    window->liveFeed()->sendFrame();
    const auto packets = receiver.collect(200);
    ASSERT_GE(packets.size(), 2u);  // the sample's two ports, maybe a timer frame more
    EXPECT_EQ(packets[0].universe, 7);
    EXPECT_EQ(packets[1].universe, 8);

    // A universe start that leaves no room is refused with its message.
    dialogs_->liveOutput = [target](const LiveOutputChoice&) {
        return LiveOutputChoice{target, 63999};
    };
    EXPECT_FALSE(w->runCommand(cmd::DemoLiveOutput));
    EXPECT_EQ(messages_.size(), 1);
    EXPECT_EQ(window->liveFeed(), nullptr);
    dialogs_->liveOutput = [](const LiveOutputChoice&) { return LiveOutputChoice{}; };
    ASSERT_TRUE(w->runCommand(cmd::DemoLiveOutput));
    EXPECT_EQ(window->liveFeed(), nullptr);
    EXPECT_FALSE(w->action(cmd::DemoLiveOutput)->isChecked());
    EXPECT_TRUE(live->isHidden());
}

// A demo waiting in adjust mode says how to start; a sequential play says
// which mode runs, by its place in the list, and that it has ended.
TEST_F(DesktopPlay, TheDemoSaysHowToStartWhichModeRunsAndWhenItEnded) {
    MainWindow* w = startWithEffectWindow();
    ASSERT_TRUE(w->runCommand(cmd::SequentialPlay));
    DemoView* demo = activeDemo(w);
    ASSERT_NE(demo, nullptr);
    demo->player().setWallClock(false);
    demo->resize(800, 600);
    const QImage hinted = demo->render();
    ASSERT_TRUE(demo->document().adjustMode());
    const auto text = [w](const char* key) {
        return QString::fromStdString(w->appState().language.LookUpText(key));
    };
    demo->setTexts({QString(), text("DEMO_MODE_STATUS"), text("DEMO_PLAY_ENDED")});
    EXPECT_NE(demo->render(), hinted);  // the hint is drawn on the view

    ASSERT_TRUE(w->runCommand(cmd::DemoStart));
    demo->render();
    const QString first = w->statusBar()->currentMessage();
    EXPECT_TRUE(first.startsWith(QStringLiteral("Mode 0: CM_"))) << first.toStdString();
    for (std::int64_t ms = 0; demo->player().playing() && ms < 3'600'000; ms += 500) {
        demo->player().advanceTo(ms);
    }
    EXPECT_EQ(w->statusBar()->currentMessage().toStdString(),
              w->appState().language.LookUpText("DEMO_PLAY_ENDED"));
}

}  // namespace
}  // namespace vx::test

namespace vx::test {
namespace {

class DesktopPlaySelection : public Desktop {};

TEST_F(DesktopPlaySelection, PartialRangeFromTheModeListPopUpGroupsAndSavingTheDemo) {
    copyTable("English.ini");
    MainWindow* w = start(kSample.string());
    ASSERT_TRUE(w->runCommand(cmd::TransferData));
    EffectView* effects = w->activeDocumentWindow()->effectView();
    ASSERT_TRUE(w->runCommand(cmd::ModeEdit));
    auto* sheet = effects->findChild<ModeSheetDialog*>();
    ASSERT_NE(sheet, nullptr);
    sheet->context().state.previewStart = 1;
    sheet->context().state.previewEnd = 2;

    // Partial play plays the marked range, and the editing pages step aside.
    ASSERT_TRUE(w->runCommand(cmd::PartialPlay));
    EXPECT_FALSE(sheet->isVisible());
    DemoView* demo = w->activeDocumentWindow()->demoView();
    ASSERT_NE(demo, nullptr);
    demo->player().setWallClock(false);
    demo->document().start();
    const auto played = demo->document().takePendingPlay(800);
    ASSERT_TRUE(played.has_value());
    EXPECT_EQ(played->order, PlayOrder::Partial);
    EXPECT_EQ(std::pair(played->first, played->last), std::pair(std::size_t{1}, std::size_t{2}));

    // A program group from the pop-up menu waits for the mouse over the view.
    Q_EMIT demo->contextMenuWanted(QPoint(10, 10));
    QAction* group3 = nullptr;
    for (QMenu* menu : w->findChildren<QMenu*>()) {
        for (QAction* a : menu->actions())
            if (a->data().toInt() == programGroupCommand(3)) group3 = a;
    }
    ASSERT_NE(group3, nullptr);
    group3->trigger();
    EXPECT_EQ(demo->document().programGroup(), 0);
    EXPECT_EQ(w->pendingProgramGroup(), 3);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(demo, &move);
    EXPECT_EQ(demo->document().programGroup(), 3);
    EXPECT_FALSE(demo->document().adjustMode());
    EXPECT_EQ(w->pendingProgramGroup(), std::nullopt);
    QCoreApplication::processEvents();
    EXPECT_TRUE(w->action(programGroupCommand(3))->isChecked());
    EXPECT_FALSE(w->action(cmd::DemoOpenBackImage)->isEnabled());
    // Ids that other windows use for languages or Open Empty Lattice are
    // program groups here.
    for (const int k : {12, 22}) {
        ASSERT_TRUE(w->runCommand(programGroupCommand(k)));
        EXPECT_EQ(demo->document().programGroup(), k);
    }

    // File > Save of a demo window writes its bitmap parameters.
    const auto file = folder_.path() / "bmp.h";
    dialogs_->saveName = [&file](const QString&) { return QString::fromStdString(file.string()); };
    ASSERT_TRUE(w->runCommand(cmd::FileSave));
    const std::string record = readText(file);
    ASSERT_FALSE(record.empty());
    EXPECT_EQ(static_cast<std::size_t>(record[0]), record.size() - 1);
    EXPECT_TRUE(record.ends_with(",2,")) << record;
}

}  // namespace
}  // namespace vx::test
