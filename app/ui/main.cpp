// The desktop program: vexolume [layout file]

#include <QApplication>

#include "app/ui/main_window.h"
#include "app/ui/startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexolume"));
    QApplication::setDesktopFileName(QStringLiteral("vexolume"));

    vx::StartupOptions options;
    options.environment = vx::FolderEnvironment::fromProcess();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) options.file = args.at(1).toStdString();

    auto window = vx::startApplication(options);
    if (!window) return 1;
    return QApplication::exec();
}
