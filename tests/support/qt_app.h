#pragma once
// The one QApplication of a widget test program, on the offscreen platform,
// and a wait that keeps the event loop running.

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <functional>

namespace vx::test {

inline QApplication& qtApplication() {
    static int argc = 1;
    static char name[] = "widget_test";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit, Qt's input devices would outlive the
    // platform that made them.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

// Processes events until `done` holds or `ms` have passed; returns `done()`.
inline bool waitUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) QTest::qWait(20);
    return done();
}

}  // namespace vx::test
