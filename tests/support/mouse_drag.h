#pragma once
// A drag as a hand makes it: a press, a move over every few pels in between
// (so each cell on the way is crossed), and a release.

#include <QApplication>
#include <QMouseEvent>
#include <QPoint>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace vx::test {

inline void drag(QWidget* viewport, QPoint from, QPoint to) {
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())) / 4;
    for (int i = 1; i <= steps; ++i) {
        const QPoint p = from + (to - from) * i / steps;
        QMouseEvent move(QEvent::MouseMove, p, viewport->mapToGlobal(p), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
}

}  // namespace vx::test
