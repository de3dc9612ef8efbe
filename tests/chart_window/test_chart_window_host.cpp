// The chart window's owner: one window at most, loaded on demand, and a
// fresh sheet after the user unloads it.
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include "chart_view/chart_window/chart_window.hpp"
#include "chart_view/chart_window/chart_window_host.hpp"
#include "forms/japanese_look.hpp"
#include "tests/chart_window/window_mouse.hpp"
#include "tests/support/scripted_boxes.hpp"

using namespace kesora;
using chart_view::ChartWindowHost;
using chart_view::Form11;

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Deleting a window that unloads from inside its own event handler waits for the event loop.
void FinishDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void WriteUnknownHourChart(ChartSheet& sheet) {
    sheet.setText(cell::YearStem, "癸");
    sheet.setText(cell::DayStem, "戊");
    sheet.setText(cell::YearSpecial, "・血刃\r\n");
    for (int label : cell::HourPillarCells) sheet.setVisible(label, false);
    sheet.setVisible(cell::Hour, false);
    sheet.setVisible(cell::BornWord, false);
    sheet.setColor(cell::MonthHiddenStar, kMarkOrange);
}

}  // namespace

class TestChartWindowHost : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::SetUpJapaneseLook(*qApp); }

    void nothingIsLoadedAtFirst() {
        testing::ScriptedBoxes boxes;
        ChartWindowHost host(boxes);
        QVERIFY(!host.window());
        QVERIFY(!host.sheet().holdsChart());
    }

    void showingLoadsTheWindowWithTheSheet() {
        testing::ScriptedBoxes boxes;
        ChartWindowHost host(boxes);
        host.sheet().setText(cell::YearStem, "癸");
        Form11* window = host.showChart();
        QCOMPARE(host.window(), window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        QCOMPARE(window->label(11)->text(), QString("癸"));
    }

    void aSecondShowReusesTheWindow() {
        testing::ScriptedBoxes boxes;
        ChartWindowHost host(boxes);
        Form11* first = host.showChart();
        host.sheet().setText(cell::DayStem, "戊");
        Form11* second = host.showChart();
        QCOMPARE(second, first);
        QCOMPARE(second->label(23)->text(), QString("戊"));
        int chartWindows = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) chartWindows += w->objectName() == "Form11";
        QCOMPARE(chartWindows, 1);
    }

    void unloadingStartsAfresh_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("close box") << "close box";
        QTest::newRow("double click on the background") << "background";
    }
    void unloadingStartsAfresh() {
        QFETCH(QString, how);
        testing::ScriptedBoxes boxes;
        ChartWindowHost host(boxes);
        QSignalSpy unloaded(&host, &ChartWindowHost::unloaded);
        WriteUnknownHourChart(host.sheet());
        QPointer<Form11> first = host.showChart();

        if (how == "close box")
            first->close();
        else
            testing::DoubleClickAt(first, QPoint(3, 3));

        QCOMPARE(unloaded.count(), 1);
        QVERIFY(!host.window());
        QCOMPARE(Q(host.sheet().text(cell::YearStem)), QString("11"));

        // The next chart may come before the old window is gone; the fresh one must keep listening.
        Form11* fresh = host.showChart();
        QVERIFY(fresh != first.data());
        QCOMPARE(fresh->label(11)->text(), QString("11"));
        QCOMPARE(fresh->label(49)->text(), QString("49"));
        for (int label : {29, 30, 31, 32, 33, 34, 52, 45, 46}) QVERIFY(fresh->label(label)->isVisible());
        QCOMPARE(fresh->label(21)->palette().color(QPalette::WindowText), QColor(Qt::black));
        FinishDeferredDeletes();
        QVERIFY(first.isNull());
        host.sheet().setText(cell::DayStem, "甲");
        QCOMPARE(fresh->label(23)->text(), QString("甲"));
        QCOMPARE(unloaded.count(), 1);
    }

    void sheetChangesBetweenShowsReachTheWindow() {
        testing::ScriptedBoxes boxes;
        ChartWindowHost host(boxes);
        Form11* window = host.showChart();
        window->hide();
        WriteUnknownHourChart(host.sheet());
        host.showChart();
        QCOMPARE(window->label(11)->text(), QString("癸"));
        QVERIFY(window->label(cell::HourSpecial)->isHidden());
        QCOMPARE(window->label(21)->palette().color(QPalette::WindowText), QColor(255, 128, 0));
    }

    void windowRequestsReachTheHostOncePerClick() {
        testing::ScriptedBoxes boxes;
        ChartWindowHost host(boxes);
        QSignalSpy reading(&host, &ChartWindowHost::principalStarReadingRequested);
        QSignalSpy print(&host, &ChartWindowHost::printRequested);

        // Also through a window loaded after an unload, and never twice.
        for (int round = 1; round <= 2; ++round) {
            Form11* window = host.showChart();
            testing::ClickAt(window, testing::CentreOf(window->control("GessiGenmei")));
            testing::ClickAt(window, testing::CentreOf(window->control("Meisiki_Insatu")));
            QCOMPARE(reading.count(), round);
            QCOMPARE(print.count(), round);
            QCOMPARE(host.sheet().color(cell::MonthHiddenStar), kMarkOrange);
            window->close();
            FinishDeferredDeletes();
        }
    }

    void specialStarBoxesGoThroughTheHostsBoxes() {
        testing::ScriptedBoxes boxes;
        ChartWindowHost host(boxes);
        host.sheet().setText(cell::DaySpecial, "・天乙貴神\r\n");
        Form11* window = host.showChart();
        testing::ClickAt(window, testing::CentreOf(window->label(cell::DaySpecial)));
        QCOMPARE(boxes.shown.size(), std::size_t{1});
        QCOMPARE(Q(boxes.shown.front().text), QString("＜日柱特殊星＞\r\n\r\n・天乙貴神\r\n"));
    }

    void unloadWithoutAWindowStillClearsTheChart() {
        testing::ScriptedBoxes boxes;
        ChartWindowHost host(boxes);
        QSignalSpy unloaded(&host, &ChartWindowHost::unloaded);
        WriteUnknownHourChart(host.sheet());
        host.unload();
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(!host.window());
        QCOMPARE(Q(host.sheet().text(cell::YearStem)), QString("11"));
        QVERIFY(host.sheet().visible(cell::HourSpecial));
    }
};

QTEST_MAIN(TestChartWindowHost)
#include "test_chart_window_host.moc"
