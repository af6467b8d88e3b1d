// Writes the picture of the Controller Preview for the documentation: the
// families example's image (built here) running in the simulator beside the
// preview of program group 1, a few seconds in.
//
//   QT_QPA_PLATFORM=offscreen twin_screenshot docs/controller-preview.png

#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <filesystem>
#include <iostream>

#include "engine/compile/compile_effects.h"
#include "layout/layout_file.h"
#include "output/ui/controller_preview_window.h"
#include "platform/file_io.h"

namespace fs = std::filesystem;

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: twin_screenshot <controller-preview.png>\n";
        return 2;
    }
    QApplication app(argc, argv);
    const fs::path source = VEXOLUME_SOURCE_DIR;
    auto table = vx::LanguageTable::load(source / "share/vexolume/Mullanguage/English.ini");
    auto bytes = vx::readFileBytes(source / "examples/families.led");
    if (!table || !bytes) return 1;
    auto layout = vx::decodeLayout(*bytes);
    if (!layout) return 1;
    const fs::path scratch =
        fs::temp_directory_path() / ("vexolume-twin-shot-" + std::to_string(::getpid()));
    for (const char* sub : {"work", "tools", "sim"}) fs::create_directories(scratch / sub);
    vx::TwinJob job;
    job.layout = *layout;
    job.effects = vx::compileEffects(job.layout);
    job.program = 1;
    job.build.workFolder = scratch / "work";
    job.build.toolFolder = scratch / "tools";
    job.build.documentName = "families.led";
    job.scratch = scratch / "sim";
    int status = 1;
    {
        vx::ControllerPreviewWindow window(*table, job);
        window.resize(900, 440);
        window.show();
        // Into the shrinking fill, past the first difference.
        QElapsedTimer clock;
        clock.start();
        while (window.framesShown() < 40 && clock.elapsed() < 300000) QTest::qWait(20);
        if (window.framesShown() >= 40 && window.grab().save(QString::fromLocal8Bit(argv[1]))) {
            status = 0;
        }
    }
    fs::remove_all(scratch);
    return status;
}
