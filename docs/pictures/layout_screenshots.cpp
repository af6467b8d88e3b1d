// Writes the documentation pictures of the layout side from the desktop
// program itself, on a virtual screen:
//   xvfb-run -a -s "-screen 0 1400x900x24" layout_screenshots docs
// scan.png: the lamp-wall photo in a layout window with the scan scope
//   dragged over it and the scan settings dialog, then the lamps found;
// ports.png: two ports wired by dragging, with the tools panel's PORT EDIT
//   group and the pointer readout;
// wizard.png: the wizard's three steps, taken from the File menu's Use
//   Wizard, and the demo window that Start Demo opens.

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/ui/command_ids.h"
#include "app/ui/main_window.h"
#include "app/ui/startup.h"
#include "app/wizard/ui/style_preview.h"
#include "docs/pictures/quiet_dialogs.h"
#include "engine/ui/demo_view.h"
#include "layout/ui/layout_tools_panel.h"
#include "layout/ui/layout_view.h"
#include "tests/support/mouse_drag.h"

namespace fs = std::filesystem;
namespace cmd = vx::cmd;

namespace {

using vx::test::drag;

const fs::path kSource = VEXOLUME_SOURCE_DIR;

// What the screen shows in `area`, as a person would see it.
QPixmap screenShot(QRect area) {
    QApplication::processEvents();
    QTest::qWait(150);
    return QApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(),
                                                     area.height());
}

QPushButton* pageButton(QDialog* page, int control) {
    return page->findChild<QPushButton*>(QStringLiteral("button%1").arg(control));
}

// Pictures side by side on a grey ground.
QPixmap besideEachOther(std::initializer_list<QPixmap> parts) {
    int width = 12;
    int height = 0;
    for (const auto& p : parts) {
        width += p.width() + 12;
        height = std::max(height, p.height());
    }
    QPixmap out(width, height + 24);
    out.fill(QColor(0xE8, 0xE8, 0xE8));
    QPainter painter(&out);
    int x = 12;
    for (const auto& p : parts) {
        painter.drawPixmap(x, 12, p);
        x += p.width() + 12;
    }
    return out;
}

QPixmap aboveEachOther(const QPixmap& top, const QPixmap& bottom) {
    QPixmap out(std::max(top.width(), bottom.width() + 24), top.height() + bottom.height() + 12);
    out.fill(QColor(0xE8, 0xE8, 0xE8));
    QPainter painter(&out);
    painter.drawPixmap(0, 0, top);
    painter.drawPixmap(12, top.height(), bottom);
    return out;
}

// Scaled to a width a page shows; in 256 colours when that keeps the file
// small enough for a page that loads quickly (a photo dithered, flat window
// colours not).
bool save(const QPixmap& picture, const fs::path& path) {
    if (picture.isNull()) return false;
    QImage image = picture.toImage();
    if (image.width() > 1280) image = image.scaledToWidth(1280, Qt::SmoothTransformation);
    const auto sizeOf = [](const QImage& i) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        i.save(&buffer, "PNG", 9);
        return bytes.size();
    };
    constexpr qsizetype kSmall = 150 * 1024;
    for (const auto dither : {Qt::DiffuseDither, Qt::ThresholdDither}) {
        if (sizeOf(image) <= kSmall) break;
        const QImage fewer = picture.toImage()
                                 .scaledToWidth(image.width(), Qt::SmoothTransformation)
                                 .convertToFormat(QImage::Format_Indexed8, dither);
        if (dither == Qt::ThresholdDither || sizeOf(fewer) <= kSmall) image = fewer;
    }
    return image.save(QString::fromStdString(path.string()), "PNG", 9);
}

int takePictures(vx::MainWindow& w, QuietDialogs& dialogs, const fs::path& folder) {
    w.move(0, 0);
    w.resize(1400, 660);
    w.show();
    w.showNormal();
    QApplication::processEvents();

    // The new layout's window, its view showing 640 x 480 pels as in the
    // scan tests.
    vx::DocumentWindow* window = w.activeDocumentWindow();
    if (window == nullptr || window->layoutView() == nullptr) return 1;
    vx::LayoutView* view = window->layoutView();
    window->showNormal();
    window->move(0, 0);
    window->resize(QSize(640, 480) + window->size() - view->viewport()->size());
    QWidget* vp = view->viewport();

    dialogs.openName = QString::fromStdString((kSource / "tests/data/scan/lamp_wall.jpg").string());
    if (!w.runCommand(cmd::OpenImage) || !w.runCommand(cmd::ScanScope)) return 1;
    drag(vp, QPoint(620, 424), QPoint(60, 64));
    const QRect windowArea(window->mapToGlobal(QPoint(0, 0)), window->size());

    // The settings typed into their dialog; opened again beside the picture,
    // the scope and the marks where the scan will read; then the scan's lamps.
    QPixmap settingsShot;
    const auto withSettingsDialog = [&](std::function<void(QDialog&)> then) {
        QTimer::singleShot(300, [then] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) then(*d);
        });
        w.runCommand(cmd::ScanOtherValues);
    };
    withSettingsDialog([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>("objectSize")->setText("1400");
        dialog.findChild<QLineEdit*>("lampSize")->setText("100");
        dialog.findChild<QLineEdit*>("tolerance")->setText("40");
        dialog.accept();
    });
    withSettingsDialog([&](QDialog& dialog) {
        dialog.move(windowArea.right() + 12, windowArea.top() + 60);
        settingsShot = screenShot(windowArea.united(dialog.frameGeometry()));
        dialog.reject();
    });
    QSignalSpy finished(view, &vx::LayoutView::scanFinished);
    if (!w.runCommand(cmd::EditScan) || !finished.wait(5000)) return 1;
    const int zoom = 28;
    view->setZoom(zoom);
    const QPixmap lampsShot = screenShot(windowArea);
    if (!save(besideEachOther({settingsShot, lampsShot}), folder / "scan.png")) return 1;

    // The reflection goes, the dead lamp comes in; then port 1 down the
    // first column and port 2 along the top row, each one drag.
    const auto cell = [zoom](int x, int y) {
        return QPoint(x * zoom + zoom / 2, y * zoom + zoom / 2);
    };
    w.runCommand(cmd::EditDelete);
    QTest::mouseClick(vp, Qt::LeftButton, {}, cell(13, 0));
    w.runCommand(cmd::EditInsert);
    QTest::mouseClick(vp, Qt::LeftButton, {}, cell(5, 4));
    QTest::mouseDClick(vp, Qt::LeftButton, {}, cell(20, 12));
    auto* panel = w.findChild<vx::LayoutToolsPanel*>();
    panel->portButton(1)->click();
    panel->addButton()->click();
    drag(vp, cell(0, 0), cell(0, 8));
    panel->portButton(2)->click();
    panel->addButton()->click();
    drag(vp, cell(1, 0), cell(11, 0));
    QTest::mouseMove(vp, cell(4, 0));
    // The tools panel and the layout window, without the empty room beside.
    const QRect ports(QPoint(0, 0), windowArea.bottomRight() + QPoint(8, 8));
    if (!save(screenShot(ports), folder / "ports.png")) return 1;

    // The wizard from the menu: 12 x 8 on port 3, style 12 in program group 0.
    w.action(cmd::FileWizard)->trigger();
    QDialog* page = w.wizardPage();
    if (page == nullptr) return 1;
    pageButton(page, 1193)->click();
    page = w.wizardPage();
    auto boxes = page->findChildren<QSpinBox*>();
    boxes[0]->setValue(12);
    boxes[1]->setValue(8);
    page->findChild<QComboBox*>()->setCurrentIndex(2);
    page->move(0, 0);
    const QPixmap step1 = screenShot(page->frameGeometry());
    pageButton(page, 1193)->click();
    page = w.wizardPage();
    page->findChild<QListWidget*>()->setCurrentRow(12);
    auto* tree = page->findChild<QTreeWidget*>();
    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    pageButton(page, 1215)->click();
    page->findChild<QListWidget*>()->setCurrentRow(9);
    tree->setCurrentItem(tree->topLevelItem(0)->child(1));
    pageButton(page, 1215)->click();
    // The preview 3 s into the show of the style selected.
    auto* preview = page->findChild<vx::StylePreview*>();
    for (int t = 0; t < 60; ++t) preview->tick();
    page->move(0, 0);
    const QPixmap step2 = screenShot(page->frameGeometry());
    pageButton(page, 1193)->click();
    page = w.wizardPage();
    page->move(0, 0);
    const QPixmap step3 = screenShot(page->frameGeometry());

    // Finish with Start Demo: the new layout plays program group 0, seen
    // 6 s in on the demo's own clock.
    pageButton(page, 1208)->click();
    vx::DemoView* demo = w.activeDocumentWindow()->demoView();
    if (demo == nullptr) return 1;
    demo->player().setWallClock(false);
    demo->render();
    demo->player().advanceTo(6000);
    const QPixmap played = screenShot(w.geometry());
    const QPixmap pages = besideEachOther({step1, step2, step3});
    return save(aboveEachOther(pages,
                               played.scaledToWidth(pages.width() - 24, Qt::SmoothTransformation)),
                folder / "wizard.png")
               ? 0
               : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: layout_screenshots <folder>\n";
        return 2;
    }
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() == QStringLiteral("offscreen")) {
        std::cerr << "layout_screenshots needs a screen: run it under xvfb-run\n";
        return 2;
    }
    const fs::path folder = fs::absolute(argv[1]);
    const fs::path data =
        fs::temp_directory_path() / ("vexolume-shot-" + std::to_string(::getpid()));
    fs::create_directories(data / "Mullanguage");
    fs::copy_file(kSource / "share/vexolume/Mullanguage/English.ini",
                  data / "Mullanguage/English.ini");
    std::ofstream(data / "Mullanguage/Setting.ini") << "[Setting]\nLanguage=English\n";
    const fs::path cwd = fs::current_path();
    fs::current_path(data);  // cport.h goes here, not into the source tree

    vx::StartupOptions options;
    options.environment.vexolumeHome = data.string();
    auto dialogs = std::make_shared<QuietDialogs>();
    options.dialogs = dialogs;
    auto window = vx::startApplication(options);
    const int status = window ? takePictures(*window, *dialogs, folder) : 1;
    window.reset();
    fs::current_path(cwd);
    fs::remove_all(data);
    if (status != 0) std::cerr << "layout_screenshots: a step failed\n";
    return status;
}
