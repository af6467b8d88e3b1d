// Scanning a photo of a lamp wall in the desktop program through its menu
// commands: Open Image, Scan Scope, the settings dialog, Scan with its timer,
// Back Color, Switch Window, undo and the empty lattice.

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "app/ui/command_ids.h"
#include "desktop_fixture.h"
#include "layout/history/apply_scan_edit.h"
#include "layout/scan/lattice_scan.h"
#include "layout/ui/layout_tools_panel.h"
#include "layout/ui/layout_view.h"

namespace vx::test {
namespace {

const std::filesystem::path kLampWall =
    std::filesystem::path(VEXOLUME_TEST_DATA) / "scan" / "lamp_wall.jpg";

class Scan : public Desktop {
protected:
    // A new layout window whose view shows exactly 640 x 480 pels.
    LayoutView* newLayoutWindow() {
        MainWindow* w = start();
        if (w == nullptr) return nullptr;
        w->resize(1000, 700);
        w->show();
        if (!w->runCommand(cmd::NewLayout)) return nullptr;
        DocumentWindow* window = w->activeDocumentWindow();
        if (window == nullptr || window->layoutView() == nullptr) return nullptr;
        window->showNormal();
        LayoutView* view = window->layoutView();
        const QSize frame = window->size() - view->viewport()->size();
        window->resize(QSize(640, 480) + frame);
        return view->viewport()->size() == QSize(640, 480) ? view : nullptr;
    }

    // Types the values into the scan settings dialog once it is up.
    static void fillScanSettingsSoon(const char* object, const char* lamp, const char* tolerance) {
        QTimer::singleShot(0, [=] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QLineEdit*>("objectSize")->setText(object);
            dialog->findChild<QLineEdit*>("lampSize")->setText(lamp);
            dialog->findChild<QLineEdit*>("tolerance")->setText(tolerance);
            static_cast<QDialog*>(dialog)->accept();
        });
    }

    void drag(QWidget* viewport, QPoint from, QPoint to) {
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    }
};

TEST_F(Scan, ThePhotoScannedThroughTheMenuGivesItsLampsAsOneUndoableStep) {
    LayoutView* view = newLayoutWindow();
    ASSERT_NE(view, nullptr);
    MainWindow* w = window_.get();
    LayoutDocument& doc = view->document();
    QWidget* vp = view->viewport();

    // Without a picture there is nothing to scan.
    EXPECT_FALSE(w->action(cmd::EditScan)->isEnabled());
    EXPECT_FALSE(w->runCommand(cmd::EditScan));

    // A file that is no picture is reported and leaves the view as it was.
    dialogs_->openName = [](const QString&) {
        return QString::fromStdString((kSourceDir / "README.md").string());
    };
    EXPECT_FALSE(w->runCommand(cmd::OpenImage));
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(view->shownPicture().empty());

    // Open Image: the picture fitted to the view, the background from the
    // shown pixel (10, 10), the scope over the picture, as one step.
    dialogs_->openName = [](const QString&) { return QString::fromStdString(kLampWall.string()); };
    ASSERT_TRUE(w->runCommand(cmd::OpenImage));
    const Picture& shown = view->shownPicture();
    ASSERT_FALSE(shown.empty());
    EXPECT_TRUE(shown.width == 640 || shown.height == 480);
    EXPECT_EQ(doc.layout().backColor, shown.colorAt(10, 10));
    const std::size_t openStep = doc.history().index();
    EXPECT_EQ(view->render().pixelColor(10, 10),
              QColor(shown.rgb[shown.offset(10, 10)], shown.rgb[shown.offset(10, 10) + 1],
                     shown.rgb[shown.offset(10, 10) + 2]));

    // Back Color arms a double-click: the pixel under it becomes the background.
    ASSERT_TRUE(w->runCommand(cmd::ScanBack));
    QTest::mouseDClick(vp, Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(doc.layout().backColor, shown.colorAt(30, 40));

    // Scan Scope arms a drag; dragged up and left, it is stored normalised.
    ASSERT_TRUE(w->runCommand(cmd::ScanScope));
    drag(vp, QPoint(620, 424), QPoint(60, 64));
    EXPECT_EQ(doc.layout().scanScope, (ScanScope{60, 64, 620, 424}));

    fillScanSettingsSoon("1400", "100", "40");
    ASSERT_TRUE(w->runCommand(cmd::ScanOtherValues));
    EXPECT_FLOAT_EQ(doc.layout().objectSize, 1400.0f);
    const ScanSettingsRecord beforeScan = ScanSettingsRecord::of(doc.layout());
    const std::size_t beforeScanStep = doc.history().index();
    EXPECT_EQ(beforeScanStep, openStep + 3);

    // Scan: nothing until the timer fires, then the lamps as one step and
    // the picture put away. The scan runs once per view.
    QSignalSpy finished(view, &LayoutView::scanFinished);
    ASSERT_TRUE(w->runCommand(cmd::EditScan));
    EXPECT_TRUE(doc.layout().lamps.empty());
    EXPECT_FALSE(w->action(cmd::EditScan)->isEnabled());
    EXPECT_FALSE(w->runCommand(cmd::EditScan));
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(doc.layout().lamps.size(), 122u);
    EXPECT_EQ(doc.history().index(), beforeScanStep + 1);
    // The status bar says what was found, as the command-line scan does.
    EXPECT_EQ(w->statusBar()->currentMessage(),
              "122 lamps found on a lattice of 14 x 9 cells, pitch 40 pels");
    EXPECT_FALSE(view->scanState().pictureShown());
    EXPECT_TRUE(doc.lampsShown());

    // Switch Window brings the picture back behind the lamps and takes it away.
    ASSERT_TRUE(w->runCommand(cmd::SwitchWindow));
    EXPECT_TRUE(view->scanState().pictureShown());
    ASSERT_TRUE(w->runCommand(cmd::SwitchWindow));
    EXPECT_FALSE(view->scanState().pictureShown());

    // Undo takes every scanned lamp off and gives the settings back; redo
    // brings them again.
    ASSERT_TRUE(w->runCommand(cmd::EditUndo));
    EXPECT_TRUE(doc.layout().lamps.empty());
    EXPECT_EQ(ScanSettingsRecord::of(doc.layout()), beforeScan);
    ASSERT_TRUE(w->runCommand(cmd::EditRedo));
    EXPECT_EQ(doc.layout().lamps.size(), 122u);
    EXPECT_FALSE(w->action(cmd::EditScan)->isEnabled());

    // Undo Scan gives Scan and the picture back at once: a new scope and a
    // new scan take their place.
    ASSERT_TRUE(w->runCommand(cmd::EditUndo));
    EXPECT_TRUE(view->scanState().pictureShown());
    EXPECT_TRUE(w->action(cmd::EditScan)->isEnabled());
    ASSERT_TRUE(w->runCommand(cmd::ScanScope));
    drag(vp, QPoint(60, 64), QPoint(340, 244));
    EXPECT_EQ(doc.layout().scanScope, (ScanScope{60, 64, 340, 244}));
    ASSERT_TRUE(w->runCommand(cmd::EditScan));
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(doc.layout().scanScope, (ScanScope{60, 64, 340, 244}));
    EXPECT_FALSE(doc.layout().lamps.empty());
    EXPECT_TRUE(w->statusBar()->currentMessage().contains("pitch 20 pels"));
    EXPECT_FALSE(w->action(cmd::EditScan)->isEnabled());
}

TEST_F(Scan, TheEmptyLatticeSetsTheLatticeWithoutLampsAndMayBeRunAgain) {
    LayoutView* view = newLayoutWindow();
    ASSERT_NE(view, nullptr);
    MainWindow* w = window_.get();
    LayoutDocument& doc = view->document();
    QSignalSpy finished(view, &LayoutView::scanFinished);
    const std::int32_t tolerance = doc.layout().colorTolerance;

    ASSERT_TRUE(w->runCommand(cmd::OpenEmptyLattice));
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_TRUE(doc.layout().lamps.empty());
    EXPECT_EQ(doc.layout().colorTolerance, kEmptyLatticeTolerance);
    EXPECT_DOUBLE_EQ(
        doc.layout().lampPitch,
        scanPitch(doc.layout().scanScope, doc.layout().objectSize, doc.layout().lampSize));

    ASSERT_TRUE(w->runCommand(cmd::EditUndo));
    EXPECT_EQ(doc.layout().colorTolerance, tolerance);
    ASSERT_TRUE(w->runCommand(cmd::OpenEmptyLattice));
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(doc.layout().colorTolerance, kEmptyLatticeTolerance);
    EXPECT_FALSE(w->action(cmd::EditScan)->isEnabled());  // no picture
}

// A designer's whole path through the window: scan the photo, fix the two
// lamps the scan got wrong, wire two ports with the tools panel and drags,
// save, close and open the file again.
TEST_F(Scan, TheScannedWallFixedWiredSavedAndReopenedThroughTheWindow) {
    LayoutView* view = newLayoutWindow();
    ASSERT_NE(view, nullptr);
    MainWindow* w = window_.get();
    QWidget* vp = view->viewport();
    dialogs_->openName = [](const QString&) { return QString::fromStdString(kLampWall.string()); };
    ASSERT_TRUE(w->runCommand(cmd::OpenImage));
    ASSERT_TRUE(w->runCommand(cmd::ScanScope));
    drag(vp, QPoint(620, 424), QPoint(60, 64));
    fillScanSettingsSoon("1400", "100", "40");
    ASSERT_TRUE(w->runCommand(cmd::ScanOtherValues));
    QSignalSpy finished(view, &LayoutView::scanFinished);
    ASSERT_TRUE(w->runCommand(cmd::EditScan));
    ASSERT_TRUE(finished.wait(5000));

    ASSERT_TRUE(w->runCommand(cmd::Zoom16));
    const auto cell = [cells = view->cellMapping()](int x, int y) {
        return cells.cellRect(x, y).center();
    };
    ASSERT_TRUE(w->runCommand(cmd::EditDelete));
    QTest::mouseClick(vp, Qt::LeftButton, {}, cell(13, 0));
    auto* panel = w->findChild<LayoutToolsPanel*>();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(w->runCommand(cmd::EditInsert));
    QMouseEvent hover(QEvent::MouseMove, cell(5, 4), vp->mapToGlobal(cell(5, 4)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(vp, &hover);
    QTest::mouseClick(vp, Qt::LeftButton, {}, cell(5, 4));
    EXPECT_EQ(panel->field("id")->text(), "49");  // the readout follows the new lamp
    QTest::mouseDClick(vp, Qt::LeftButton, {}, cell(20, 20));
    const auto wire = [&](int port, QPoint from, QPoint to) {
        panel->portButton(port)->click();
        panel->addButton()->click();
        QTest::mousePress(vp, Qt::LeftButton, {}, from);
        for (int i = 1; i <= 16; ++i) {
            const QPoint p = from + (to - from) * i / 16;
            QMouseEvent move(QEvent::MouseMove, p, vp->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(vp, &move);
        }
        QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
    };
    wire(1, cell(0, 0), cell(0, 8));
    wire(2, cell(1, 0), cell(11, 0));

    const LampLayout made = view->document().layout();
    ASSERT_EQ(made.lamps.size(), 122u);
    const auto lampAt = [&made](int x, int y) {
        return std::ranges::find_if(made.lamps,
                                    [&](const Lamp& l) { return l.x == x && l.y == y; });
    };
    EXPECT_EQ(lampAt(13, 0), made.lamps.end());  // the reflection
    EXPECT_EQ(lampAt(0, 8)->portOrder, 9);
    EXPECT_EQ(lampAt(11, 0)->port, 2);
    EXPECT_EQ(lampAt(11, 0)->portOrder, 11);

    const auto chosen = folder_.path() / "wall";
    dialogs_->saveName = [&](const QString&) { return QString::fromStdString(chosen.string()); };
    ASSERT_TRUE(w->runCommand(cmd::FileSave));
    EXPECT_TRUE(std::filesystem::exists(folder_.path() / "cport.h"));
    ASSERT_TRUE(w->runCommand(cmd::FileClose));
    DocumentWindow* reopened = w->openFile(folder_.path() / "WALL.LED");
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->document()->layout(), made);
}

TEST_F(Scan, TheToolsPanelTakesTheTextsOfTheLanguageSwitchedTo) {
    copyTable("English.ini");
    folder_.write("data/Mullanguage/German.ini",
                  "[String]\nIDD103_1122=PORTS BEARBEITEN\nIDD103_Title=Werkzeuge\n");
    MainWindow* w = start();
    ASSERT_NE(w, nullptr);
    auto* panel = w->findChild<LayoutToolsPanel*>();
    ASSERT_NE(panel, nullptr);
    QGroupBox* portEdit = nullptr;
    for (auto* box : panel->findChildren<QGroupBox*>()) {
        if (box->property("controlId").toInt() == 1122) portEdit = box;
    }
    ASSERT_NE(portEdit, nullptr);
    EXPECT_EQ(portEdit->title(), "PORT EDIT");
    ASSERT_TRUE(w->runCommand(31761));  // View > Language > German
    EXPECT_EQ(portEdit->title(), "PORTS BEARBEITEN");
}

}  // namespace
}  // namespace vx::test
