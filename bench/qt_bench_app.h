#pragma once
// The one QApplication of the benchmark program, made on first use and
// offscreen unless QT_QPA_PLATFORM says otherwise. Qt allows one per process,
// so every bench that needs widgets takes this one.

#include <QApplication>

namespace vx::bench {

inline QApplication& qtApplication() {
    static int argc = 1;
    static char name[] = "vexolume_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace vx::bench
