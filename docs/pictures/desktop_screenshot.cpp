// Writes a picture of the main window for the documentation: the sample
// layout in its layout window and, beside it, the effect window that
// Transfer Data opens, in the language named on the command line.
//
//   QT_QPA_PLATFORM=offscreen desktop_screenshot English docs/desktop-en.png
//
// With a third argument "demo", Parallel Play follows: the demo window plays
// program group 1 from its pop-up menu's choice, shown 5 s in.

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/ui/command_ids.h"
#include "app/ui/main_window.h"
#include "app/ui/menu_tables.h"
#include "app/ui/startup.h"
#include "docs/pictures/quiet_dialogs.h"
#include "engine/ui/demo_view.h"

namespace fs = std::filesystem;

int main(int argc, char* argv[]) {
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: desktop_screenshot <language setting> <picture.png> [demo]\n";
        return 2;
    }
    QApplication app(argc, argv);
    const fs::path source = VEXOLUME_SOURCE_DIR;
    const fs::path data =
        fs::temp_directory_path() / ("vexolume-shot-" + std::to_string(::getpid()));
    fs::create_directories(data / "Mullanguage");
    for (const auto& entry : fs::directory_iterator(source / "share/vexolume/Mullanguage")) {
        if (entry.path().extension() == ".ini")
            fs::copy_file(entry.path(), data / "Mullanguage" / entry.path().filename());
    }
    std::ofstream(data / "Mullanguage/Setting.ini") << "[Setting]\nLanguage=" << argv[1] << "\n";
    const fs::path cwd = fs::current_path();
    fs::current_path(data);  // cport.h goes here, not into the source tree

    vx::StartupOptions options;
    options.environment.vexolumeHome = data.string();
    options.file = (source / "examples/sample.led").string();
    options.dialogs = std::make_shared<QuietDialogs>();
    auto window = vx::startApplication(options);
    int status = 1;
    if (window) {
        window->showNormal();
        window->resize(1040, 560);
        window->runCommand(vx::cmd::TransferData);
        // The layout window on the left, the effect window on the right.
        const auto windows = window->documentWindows();
        const QSize area = window->mdiArea()->viewport()->size();
        for (int i = 0; i < windows.size(); ++i) {
            windows[i]->showNormal();
            windows[i]->setGeometry(i * area.width() / 2, 0, area.width() / 2, area.height());
        }
        if (argc == 4 && std::string(argv[3]) == "demo") {
            window->runCommand(vx::cmd::ParallelPlay);
            vx::DemoView* demo = window->activeDocumentWindow()->demoView();
            demo->player().setWallClock(false);
            window->activeDocumentWindow()->showNormal();
            window->activeDocumentWindow()->setGeometry(area.width() / 4, 0, area.width() * 3 / 4,
                                                        area.height());
            window->runCommand(vx::programGroupCommand(1));
            demo->render();
            demo->player().advanceTo(5000);
        }
        QApplication::processEvents();
        const QPixmap picture = window->grab();
        fs::current_path(cwd);
        status = picture.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    window.reset();
    fs::current_path(cwd);
    fs::remove_all(data);
    return status;
}
