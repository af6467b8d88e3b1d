// Documents of the desktop program: open, Transfer Data, save, undo, close.

#include <QAction>
#include <QMdiArea>
#include <QMessageBox>
#include <QTest>

#include "app/ui/command_ids.h"
#include "desktop_fixture.h"
#include "engine/ui/effect_view.h"
#include "layout/history/delete_lamp_edit.h"
#include "layout/history/insert_lamp_edit.h"
#include "layout/layout_file.h"
#include "layout/ui/layout_view.h"
#include "platform/file_io.h"

namespace vx::test {
namespace {

class Documents : public Desktop {
protected:
    MainWindow* startWithSample() {
        MainWindow* w = start(kSample.string());
        if (w != nullptr) w->resize(1000, 700);
        return w;
    }

    static int count(MainWindow& w, DocumentKind kind) {
        int n = 0;
        for (DocumentWindow* d : w.documentWindows()) n += d->kind() == kind ? 1 : 0;
        return n;
    }
};

TEST_F(Documents, OpeningTheSampleGivesOneLayoutWindowAndARecentFile) {
    MainWindow* w = startWithSample();
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->documentWindows().size(), 1);
    DocumentWindow* layout = w->documentWindows().front();
    EXPECT_EQ(layout->kind(), DocumentKind::Layout);
    EXPECT_EQ(layout->documentTitle(), "sample.led");
    EXPECT_FALSE(layout->document()->isModified());
    ASSERT_EQ(w->recentFiles().files().size(), 1u);
    EXPECT_EQ(w->recentFiles().files().front(), kSample);

    // Opening it again shows the window it already has.
    EXPECT_EQ(w->openFile(kSample), layout);
    EXPECT_EQ(w->documentWindows().size(), 1);
}

TEST_F(Documents, TransferDataTwiceOpensTwoEffectWindowsOverTheSameDocument) {
    MainWindow* w = startWithSample();
    ASSERT_NE(w, nullptr);
    DocumentWindow* layout = w->documentWindows().front();
    auto document = layout->document();
    const auto oldEffectLamps = document->layout().effectLamps;

    ASSERT_TRUE(w->runCommand(cmd::TransferData));
    EXPECT_EQ(w->menuKind(), MenuKind::Effect);
    EXPECT_EQ(w->activeDocumentWindow()->kind(), DocumentKind::Effect);
    EXPECT_EQ(document->layout().effectLamps, transferredLamps(document->layout().lamps));
    EXPECT_EQ(w->appState().transferredLampCount, document->layout().lamps.size());
    EXPECT_TRUE(std::filesystem::exists(folder_.path() / "cport.h"));

    // The command works from the effect window as well.
    ASSERT_TRUE(w->runCommand(cmd::TransferData));
    EXPECT_EQ(count(*w, DocumentKind::Effect), 2);
    for (DocumentWindow* d : w->documentWindows()) EXPECT_EQ(d->document(), document);

    // The two transfers are steps of the document's history.
    EXPECT_EQ(document->history().count(), 2u);
    ASSERT_TRUE(w->runCommand(cmd::EditUndo));
    ASSERT_TRUE(w->runCommand(cmd::EditUndo));
    EXPECT_EQ(document->layout().effectLamps, oldEffectLamps);
    EXPECT_FALSE(w->action(cmd::EditUndo)->isEnabled());
    EXPECT_TRUE(w->action(cmd::EditRedo)->isEnabled());
}

TEST_F(Documents, TransferDataAndSaveDoNothingBelowTwoLamps) {
    MainWindow* w = start();
    ASSERT_NE(w, nullptr);
    auto document = w->documentWindows().front()->document();
    document->apply(std::make_unique<InsertLampEdit>(LatticeCell{1, 1}));
    EXPECT_FALSE(w->runCommand(cmd::TransferData));
    EXPECT_EQ(w->documentWindows().size(), 1);
    EXPECT_TRUE(document->layout().effectLamps.empty());
    EXPECT_FALSE(std::filesystem::exists(folder_.path() / "cport.h"));
    EXPECT_EQ(w->appState().transferredLampCount, 0u);

    bool asked = false;
    dialogs_->saveName = [&](const QString&) {
        asked = true;
        return QString("x");
    };
    EXPECT_FALSE(w->runCommand(cmd::FileSave));
    EXPECT_FALSE(asked);
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_TRUE(document->isModified());
}

TEST_F(Documents, SaveAsWritesThePortTableAndRemembersTheFile) {
    MainWindow* w = startWithSample();
    ASSERT_NE(w, nullptr);
    auto document = w->documentWindows().front()->document();
    QStringList filters;
    dialogs_->saveName = [&](const QString& filter) {
        filters << filter;
        return QString::fromStdString((folder_.path() / "COPY.LED").string());
    };
    ASSERT_TRUE(w->runCommand(cmd::FileSaveAs));
    EXPECT_EQ(filters, QStringList{"Lamp Files (*.led);;All Files (*.*)"});
    const auto saved = folder_.path() / "COPY.LED";
    EXPECT_EQ(document->path(), saved);
    EXPECT_EQ(w->documentWindows().front()->documentTitle(), "COPY.LED");
    EXPECT_EQ(readFileBytes(saved).value(), readFileBytes(kSample).value());
    EXPECT_TRUE(std::filesystem::exists(folder_.path() / "cport.h"));
    EXPECT_EQ(w->recentFiles().files().front(), saved);

    // Save with a name writes there without asking.
    filters.clear();
    const Lamp& last = document->layout().lamps.back();
    ASSERT_TRUE(document->apply(std::make_unique<DeleteLampEdit>(LatticeCell{last.x, last.y})));
    ASSERT_TRUE(w->runCommand(cmd::FileSave));
    EXPECT_TRUE(filters.isEmpty());
    EXPECT_EQ(decodeLayout(readFileBytes(saved).value()).value().lamps.size(),
              document->layout().lamps.size());
}

TEST_F(Documents, ADragInInsertModeIsOneUndoStepSeenByEveryView) {
    MainWindow* w = startWithSample();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->runCommand(cmd::TransferData));
    DocumentWindow* layoutWindow = w->documentWindows().front();
    w->mdiArea()->setActiveSubWindow(layoutWindow);
    ASSERT_TRUE(w->runCommand(cmd::Zoom20));
    ASSERT_TRUE(w->runCommand(cmd::EditInsert));
    LayoutView* view = layoutWindow->layoutView();
    ASSERT_TRUE(view->insertMode());
    auto document = layoutWindow->document();
    document->setModified(false);  // as after a save
    const auto before = document->layout().lamps;

    // From cell (20, 0) right along row 0: cells 20, 21, 22 are empty.
    QWidget* port = view->viewport();
    const CellMapping cells = view->cellMapping();
    const auto at = [&](int x) { return cells.cellRect(x, 0).center(); };
    QTest::mousePress(port, Qt::LeftButton, {}, at(20));
    QTest::mouseMove(port, at(21));
    QTest::mouseMove(port, at(22));
    QTest::mouseRelease(port, Qt::LeftButton, {}, at(22));
    EXPECT_EQ(document->layout().lamps.size(), before.size() + 3);
    EXPECT_TRUE(document->isModified());
    EXPECT_TRUE(layoutWindow->isWindowModified());
    EXPECT_EQ(document->history().count(), 2u);  // the transfer and the stroke
    // Undo and Redo name the step they would take, as the history moves.
    EXPECT_EQ(w->action(cmd::EditUndo)->text(), QStringLiteral("&Undo Insert Lamp\tCtrl+Z"));
    EXPECT_EQ(w->action(cmd::EditRedo)->text(), QStringLiteral("&Redo\tCtrl+Y"));

    ASSERT_TRUE(w->runCommand(cmd::EditUndo));
    EXPECT_EQ(document->layout().lamps, before);
    EXPECT_FALSE(document->isModified());
    EXPECT_FALSE(layoutWindow->isWindowModified());
    EXPECT_EQ(w->action(cmd::EditUndo)->text(), QStringLiteral("&Undo Transfer Data\tCtrl+Z"));
    EXPECT_EQ(w->action(cmd::EditRedo)->text(), QStringLiteral("&Redo Insert Lamp\tCtrl+Y"));
    ASSERT_TRUE(w->runCommand(cmd::EditRedo));
    EXPECT_EQ(document->layout().lamps.size(), before.size() + 3);

    // A click on an occupied cell changes nothing and adds no step.
    QTest::mouseClick(port, Qt::LeftButton, {}, cells.cellRect(0, 0).center());
    EXPECT_EQ(document->history().count(), 2u);

    // The delete mode takes lamps away as one step as well.
    ASSERT_TRUE(w->runCommand(cmd::EditDelete));
    QTest::mouseClick(port, Qt::LeftButton, {}, at(20));
    EXPECT_EQ(document->layout().lamps.size(), before.size() + 2);
    ASSERT_TRUE(w->runCommand(cmd::EditUndo));
    EXPECT_EQ(document->layout().lamps.size(), before.size() + 3);

    // A command with no handler stays disabled and does not run.
    EXPECT_FALSE(w->action(cmd::LayerEdit)->isEnabled());
    EXPECT_FALSE(w->runCommand(cmd::LayerEdit));
}

TEST_F(Documents, ADamagedFileShowsTheLoaderMessageAndOpensNothing) {
    MainWindow* w = startWithSample();
    ASSERT_NE(w, nullptr);
    auto bytes = readFileBytes(kSample).value();
    bytes.resize(bytes.size() / 2);
    const auto damaged = folder_.path() / "HALF.LED";
    ASSERT_TRUE(
        writeFileAtomically(
            damaged, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))
            .ok());
    const auto error = LayoutDocument::open(damaged).error();

    EXPECT_EQ(w->openFile(damaged), nullptr);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.front().contains(QString::fromStdString(error.describe())));
    EXPECT_EQ(w->documentWindows().size(), 1);
    EXPECT_EQ(w->recentFiles().files().size(), 1u);

    // Named on the command line, it ends start-up after the message.
    window_.reset();
    messages_.clear();
    EXPECT_EQ(start(damaged.string()), nullptr);
    EXPECT_EQ(messages_.size(), 1);
}

TEST_F(Documents, ClosingTheLastWindowOfAModifiedDocumentAsks) {
    MainWindow* w = startWithSample();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->runCommand(cmd::TransferData));
    auto document = w->documentWindows().front()->document();
    ASSERT_TRUE(document->isModified());

    // Another window of the document remains: no question.
    w->activeDocumentWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(questions_.isEmpty());
    ASSERT_EQ(w->documentWindows().size(), 1);

    answer_ = QMessageBox::Cancel;
    w->documentWindows().front()->close();
    EXPECT_EQ(questions_, QStringList{"Save changes to sample.led?"});
    EXPECT_EQ(w->documentWindows().size(), 1);

    answer_ = QMessageBox::No;
    ASSERT_TRUE(w->runCommand(cmd::FileClose));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w->documentWindows().isEmpty());
    EXPECT_EQ(w->menuKind(), MenuKind::Main);
    EXPECT_EQ(questions_.size(), 2);
}

}  // namespace
}  // namespace vx::test
