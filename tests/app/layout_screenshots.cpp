// Writes the documentation pictures of the layout side, headless:
//   QT_QPA_PLATFORM=offscreen layout_screenshots docs
// scan.png: the lamp-wall photo as the view shows it, the scan scope and the
//   lamps found, beside the scan settings dialog;
// ports.png: the scanned layout with two ports wired, beside the tools panel;
// wizard.png: the wizard's first two pages and the layout they make.

#include <QApplication>
#include <QPainter>
#include <QPixmap>

#include <filesystem>
#include <iostream>

#include "app/language/language_table.h"
#include "app/wizard/ui/wizard_pages.h"
#include "layout/picture/picture_decoder.h"
#include "layout/picture/picture_scaling.h"
#include "layout/ports.h"
#include "layout/scan/lattice_scan.h"
#include "layout/scan/scan_settings.h"
#include "layout/ui/layout_painter.h"
#include "layout/ui/layout_tools_panel.h"
#include "layout/ui/scan_settings_dialog.h"
#include "platform/ui/dialog_texts.h"

namespace fs = std::filesystem;

namespace {

QImage toImage(const vx::Picture& p) {
    QImage image(p.rgb.data(), p.width, p.height, p.width * 3, QImage::Format_RGB888);
    return image.copy();
}

QPixmap layoutPicture(const vx::LampLayout& layout, QSize size, int zoom) {
    QPixmap out(size);
    out.fill(Qt::black);
    QPainter painter(&out);
    vx::LayoutPaintState state;
    state.zoom = zoom;
    vx::paintLayout(painter, layout, size, state);
    return out;
}

// Pictures side by side on a grey ground.
QPixmap besideEachOther(std::initializer_list<QPixmap> parts) {
    int width = 0;
    int height = 0;
    for (const auto& p : parts) {
        width += p.width() + 12;
        height = std::max(height, p.height());
    }
    QPixmap out(width + 12, height + 24);
    out.fill(QColor(0xE8, 0xE8, 0xE8));
    QPainter painter(&out);
    int x = 12;
    for (const auto& p : parts) {
        painter.drawPixmap(x, 12, p);
        x += p.width() + 12;
    }
    return out;
}

template <class W>
QPixmap grabShown(W& widget, const vx::LanguageTable& table, int dialog) {
    vx::ApplyDialogTexts(&widget, dialog, table);
    widget.show();
    QApplication::processEvents();
    return widget.grab();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: layout_screenshots <folder>\n";
        return 2;
    }
    QApplication app(argc, argv);
    const fs::path source = VEXOLUME_SOURCE_DIR;
    const fs::path folder = argv[1];
    const auto table = vx::LanguageTable::load(source / "share/vexolume/Mullanguage/English.ini");
    if (!table) return 1;
    const auto text = [&](const std::string& key) {
        return QString::fromStdString(table->LookUpText(key));
    };

    // The scan, as the tests run it.
    const auto picture = vx::readPicture(source / "tests/data/scan/lamp_wall.jpg");
    if (!picture) return 1;
    const vx::ViewSize view{640, 480};
    const vx::Picture shown = vx::fitPicture(*picture, view);
    vx::LampLayout layout;
    vx::takeShownPicture(layout, shown, picture->width, picture->height,
                         vx::fitFactor(picture->width, picture->height, view));
    layout.scanScope = {60, 64, 620, 424};
    vx::storeScanSettings(layout, vx::acceptScanSettings(layout, {1400.0, 100.0, 40}));
    vx::prepareScan(layout);
    layout.lamps = vx::latticeScan(shown, layout);

    QPixmap photo = QPixmap::fromImage(toImage(shown));
    {
        QPainter painter(&photo);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(255, 255, 255, 200), 1, Qt::DashLine));
        const auto& s = layout.scanScope;
        painter.drawRect(s.left, s.top, s.right - s.left, s.bottom - s.top);
        painter.setPen(QPen(QColor(80, 255, 80), 2));
        for (const auto& lamp : layout.lamps) {
            const double x = s.left + layout.lampPitch * lamp.x;
            const double y = s.top + layout.lampPitch * lamp.y;
            painter.drawEllipse(QPointF(x, y), 16, 16);
        }
    }
    vx::ScanSettingsDialog settings(vx::currentScanSettings(layout));
    const QPixmap scan = besideEachOther({photo, grabShown(settings, *table, 132)});

    // Two ports wired by clicking along the first columns, as a drag does.
    vx::PortEditState state = vx::choosePort({}, 1);
    state = vx::chooseOperation(state, vx::PortOperation::Add);
    for (std::size_t i = 0; i < layout.lamps.size(); ++i) {
        if (layout.lamps[i].x == 2) state = vx::choosePort(state, 2);
        if (layout.lamps[i].x > 3) break;
        if (auto edit = vx::portClick(layout.lamps, i, state)) {
            vx::applyLampChanges(layout.lamps, edit->changes);
            state = edit->state;
        }
    }
    vx::LayoutToolsPanel panel;
    panel.setPortState(state);
    panel.showReadout(vx::readPointer(layout, 2, 3, 28));
    const QPixmap ports = besideEachOther(
        {layoutPicture(layout, QSize(560, 400), 28), grabShown(panel, *table, 103)});

    // The wizard: 12 x 8 on port 3, styles 12 and 9 in the first groups.
    vx::WizardSession session;
    vx::LampLayout made;
    session.setPort(3);
    session.editColumns(made, 12);
    session.editRows(made, 8);
    session.wire(made);
    vx::WizardShapePage step1(session, made);
    vx::WizardStylesPage step2(session, made, text);
    vx::insertStyle(made.effects, session.chosen(), 0, 12);
    const QPixmap wizard =
        besideEachOther({grabShown(step1, *table, 1340), grabShown(step2, *table, 1341),
                         layoutPicture(made, QSize(420, 300), 26)});

    const bool ok = scan.save(QString::fromStdString((folder / "scan.png").string())) &&
                    ports.save(QString::fromStdString((folder / "ports.png").string())) &&
                    wizard.save(QString::fromStdString((folder / "wizard.png").string()));
    return ok ? 0 : 1;
}
