// Writes the pictures of the controller dialogs for the documentation:
// Create BIN File after a real build of the sample, and Select Program.
//
//   QT_QPA_PLATFORM=offscreen controller_screenshots docs/create-bin.png docs/select-program.png

#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>
#include <iostream>

#include "layout/layout_file.h"
#include "layout/port_table.h"
#include "output/ui/create_bin_dialog.h"
#include "platform/file_io.h"
#include "programming/ui/select_program_dialog.h"

namespace fs = std::filesystem;

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: controller_screenshots <create-bin.png> <select-program.png>\n";
        return 2;
    }
    QApplication app(argc, argv);
    const fs::path source = VEXOLUME_SOURCE_DIR;
    auto table = vx::LanguageTable::load(source / "share/vexolume/Mullanguage/English.ini");
    auto bytes = vx::readFileBytes(source / "examples/sample.led");
    if (!table || !bytes) return 1;
    auto layout = vx::decodeLayout(*bytes);
    if (!layout) return 1;
    const fs::path scratch =
        fs::temp_directory_path() / ("vexolume-controller-shot-" + std::to_string(::getpid()));
    fs::create_directories(scratch / "work");
    fs::create_directories(scratch / "tools");
    if (!vx::writePortTable(layout->lamps, scratch / "work")) return 1;

    vx::CreateBinJob job;
    job.layout = *layout;
    job.documentName = "sample.led";
    job.workFolder = scratch / "work";
    job.toolFolder = scratch / "tools";
    job.lampCount = layout->lamps.size();
    int status = 1;
    {
        vx::CreateBinDialog dialog(*table, job);
        dialog.show();
        dialog.findChild<QRadioButton*>("format1")->click();
        QEventLoop loop;
        bool completed = false;
        QObject::connect(&dialog, &vx::CreateBinDialog::buildFinished, [&](bool ok) {
            completed = ok;
            loop.quit();
        });
        dialog.findChild<QPushButton*>("create")->click();
        loop.exec();
        if (completed && dialog.grab().save(QString::fromLocal8Bit(argv[1]))) status = 0;
    }
    if (status == 0) {
        vx::ProgrammerSettings settings;
        settings.toolFolder = scratch / "tools";
        vx::SelectProgramDialog dialog(*table, settings, scratch / "work" / "sample1.hex");
        dialog.show();
        QApplication::processEvents();
        status = dialog.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    fs::remove_all(scratch);
    return status;
}
