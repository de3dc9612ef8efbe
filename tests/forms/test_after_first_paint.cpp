// Work deferred until a window has been painted runs once, after the paint.
#include <QtTest>

#include <QPainter>

#include "forms/after_first_paint.hpp"

namespace {

class PaintCounter final : public QWidget {
public:
    int paints = 0;
    int paintsWhenWorkRan = -1;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::white);
        ++paints;
    }
};

}  // namespace

class TestAfterFirstPaint : public QObject {
    Q_OBJECT
private slots:
    void runsOnceAfterTheFirstPaint() {
        PaintCounter window;
        window.resize(100, 60);
        int runs = 0;
        kesora::forms::RunAfterFirstPaint(&window, [&] {
            ++runs;
            window.paintsWhenWorkRan = window.paints;
        });
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);
        window.show();
        QTRY_COMPARE(runs, 1);
        QVERIFY(window.paintsWhenWorkRan >= 1);
        window.repaint();
        window.hide();
        window.show();
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
    }

    void neverRunsForAWindowNeverShown() {
        int runs = 0;
        {
            QWidget window;
            kesora::forms::RunAfterFirstPaint(&window, [&] { ++runs; });
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);
    }
};

QTEST_MAIN(TestAfterFirstPaint)
#include "test_after_first_paint.moc"
