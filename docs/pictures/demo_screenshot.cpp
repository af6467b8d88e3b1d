// Writes the pictures of the demo view for the documentation: the sample's
// program 2 playing over a picture of the installation, as a PNG and as a
// short animated GIF.
//
//   QT_QPA_PLATFORM=offscreen demo_screenshot docs/
//
// The installation picture (docs/demo-installation.png) is drawn here too:
// a dark wall with a fixture at every lamp's place, so that the lamp cells
// can be seen lining up with it.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>

#include <filesystem>
#include <iostream>

#include "engine/compile/compile_effects.h"
#include "engine/play/play_geometry.h"
#include "engine/render/gif_writer.h"
#include "engine/ui/demo_view.h"
#include "layout/layout_bounds.h"
#include "layout/layout_file.h"
#include "platform/file_io.h"
#include "platform/language/language_table.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 480;
constexpr int kCell = 20;

// The wall: a brick-coloured gradient, mortar lines, and a fixture at each
// lamp's place for the cell size of the shots.
QImage installationPicture(const std::vector<vx::Lamp>& lamps, const vx::PlayGeometry& at) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient wall(0, 0, 0, kHeight);
    wall.setColorAt(0, QColor(70, 52, 44));
    wall.setColorAt(1, QColor(32, 26, 24));
    p.fillRect(image.rect(), wall);
    p.setPen(QColor(24, 20, 18));
    for (int y = 0; y < kHeight; y += 12) {
        p.drawLine(0, y, kWidth, y);
        for (int x = (y / 12) % 2 * 14; x < kWidth; x += 28) p.drawLine(x, y, x, y + 12);
    }
    p.setRenderHint(QPainter::Antialiasing);
    for (const vx::Lamp& lamp : lamps) {
        const vx::PixelRect box = at.cell(lamp.x, lamp.y);
        const QPointF centre((box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0);
        QRadialGradient glass(centre, kCell * 0.4);
        glass.setColorAt(0, QColor(200, 200, 190));
        glass.setColorAt(1, QColor(60, 60, 60));
        p.setPen(QColor(15, 15, 15));
        p.setBrush(glass);
        p.drawEllipse(centre, kCell * 0.4, kCell * 0.4);
    }
    return image;
}

vx::Picture rgbOf(const QImage& shot) {
    const QImage rgb = shot.convertToFormat(QImage::Format_RGB888);
    vx::Picture out(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        std::copy_n(rgb.constScanLine(y), rgb.width() * 3,
                    out.rgb.begin() + static_cast<std::ptrdiff_t>(y) * rgb.width() * 3);
    }
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: demo_screenshot <docs folder>\n";
        return 2;
    }
    QApplication app(argc, argv);
    const fs::path docs = argv[1];
    auto bytes = vx::readFileBytes(fs::path(VEXOLUME_SOURCE_DIR) / "examples/sample.led");
    auto layout = bytes ? vx::decodeLayout(*bytes) : vx::Result<vx::LampLayout>(bytes.error());
    if (!layout) {
        std::cerr << layout.error().describe() << "\n";
        return 1;
    }
    auto document = std::make_shared<vx::DemoDocument>(layout->lamps, vx::compileEffects(*layout),
                                                       vx::playstate::kParallel);
    vx::DemoView view(document);
    auto english = vx::LanguageTable::load(fs::path(VEXOLUME_SOURCE_DIR) /
                                           "share/vexolume/Mullanguage/English.ini");
    if (english) {
        const auto text = [&english](const char* key) {
            return QString::fromStdString(english->LookUpText(key));
        };
        view.setTexts(
            {text("DEMO_ADJUST_HINT"), text("DEMO_MODE_STATUS"), text("DEMO_PLAY_ENDED")});
    }
    view.resize(kWidth, kHeight);
    view.player().setWallClock(false);
    document->scaleDialogClosed(kCell);

    const vx::PlayGeometry geometry(vx::allLampBounds(layout->lamps), kCell, kWidth, kHeight);
    const QString picture = QString::fromStdString((docs / "demo-installation.png").string());
    installationPicture(layout->lamps, geometry).save(picture);
    document->openPicture(picture.toStdString());
    // Adjust mode with the picture not yet in place: the fixtures show
    // beside the red lamp cells until Move drags the picture under them.
    document->setTool(vx::PictureTool::Move);
    document->mouseDown(0, 0);
    document->mouseUp(36, 24);
    view.render().save(QString::fromStdString((docs / "demo-adjust.png").string()));
    document->mouseDown(36, 24);
    document->mouseUp(0, 0);

    // Program 2 from its start; a still at 5 s and a GIF of its first 8 s
    // at 10 frames a second.
    view.selectProgramGroup(1);
    view.render();
    auto gif = vx::GifWriter::open((docs / "demo-program2.gif").string(), kWidth, kHeight);
    if (!gif) {
        std::cerr << gif.error().describe() << "\n";
        return 1;
    }
    for (int ms = 2000; ms <= 10000; ms += 100) {
        view.player().advanceTo(ms);
        const QImage shot = view.render();
        if (ms == 5000) shot.save(QString::fromStdString((docs / "demo-program2.png").string()));
        if (!gif->addFrame(rgbOf(shot), 10)) return 1;
    }
    return gif->close() ? 0 : 1;
}
