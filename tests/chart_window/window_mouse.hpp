#pragma once
// Mouse input delivered the way the windowing system delivers it: to the
// window at a point, so that hidden controls are passed over and whatever
// lies at that point (maybe the background) gets the event.

#include <QTest>
#include <QWidget>
#include <QWindow>

namespace kesora::testing {

inline QPoint CentreOf(const QWidget* control) { return control->geometry().center(); }

inline void ClickAt(QWidget* window, QPoint point) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, point);
}

inline void PressAt(QWidget* window, QPoint point) {
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, point);
}

inline void ReleaseAt(QWidget* window, QPoint point) {
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, point);
}

inline void DoubleClickAt(QWidget* window, QPoint point) {
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, point);
}

}  // namespace kesora::testing
