// The chart sheet: placeholder captions, change notices, label names.
#include <QtTest>

#include "engine/chart_sheet.hpp"
#include "tests/support/qt_strings.hpp"

using namespace kesora;
using kesora::testing::Q;
using kesora::testing::Seen;

namespace {


struct RecordingObserver final : ChartSheetObserver {
    QList<int> changed;
    void cellChanged(int label) override { changed.append(label); }
};

}  // namespace

class TestChartSheet : public QObject {
    Q_OBJECT
private slots:
    void freshSheetHoldsNoChart() {
        ChartSheet sheet;
        QVERIFY(!sheet.holdsChart());
        QCOMPARE(Q(sheet.text(11)), QString("11"));
        for (int label : {16, 22, 26, 34}) QCOMPARE(Q(sheet.text(label)), QString("****"));
        QCOMPARE(Q(sheet.text(50)), QString("５０"));
        QCOMPARE(Q(sheet.text(35)), QString("35"));
        QCOMPARE(Q(sheet.text(45)), QString("23時～24時"));
        QCOMPARE(Q(sheet.text(10)), QString("時柱"));
    }

    void writingTheYearStemClearsTheMark() {
        ChartSheet sheet;
        sheet.setText(cell::YearStem, "甲");
        QVERIFY(sheet.holdsChart());
        sheet.markEmpty();
        QVERIFY(!sheet.holdsChart());
        QCOMPARE(Q(sheet.text(cell::YearStem)), QString("11"));
    }

    void observerHearsOnlyRealChanges() {
        ChartSheet sheet;
        RecordingObserver observer;
        sheet.setObserver(&observer);
        sheet.setText(23, "戊");
        sheet.setText(23, "戊");
        sheet.setVisible(29, true);
        sheet.setVisible(29, false);
        sheet.setColor(21, kMarkOrange);
        sheet.appendText(49, "");
        sheet.appendText(49, "・羊刃\r\n");
        QCOMPARE(observer.changed, (QList<int>{23, 29, 21, 49}));
        QCOMPARE(Q(sheet.text(49)), QString("49・羊刃\r\n"));
        sheet.setObserver(nullptr);
        sheet.setText(23, "甲");
        QCOMPARE(observer.changed.size(), 4);
    }

    void resetBringsBackTheLoadedWindow() {
        ChartSheet sheet;
        sheet.setText(11, "甲");
        sheet.setVisible(30, false);
        sheet.setColor(21, kMarkOrange);
        sheet.reset();
        QCOMPARE(Q(sheet.text(11)), QString("11"));
        QVERIFY(sheet.visible(30));
        QCOMPARE(sheet.color(21), kBlack);
    }

    void cellsOutsideTheWindowAreHarmless() {
        ChartSheet sheet;
        for (int label : {0, 53, -1, 1000}) {
            sheet.setText(label, "x");
            sheet.appendText(label, "y");
            sheet.setVisible(label, false);
            sheet.setColor(label, kMarkOrange);
            QVERIFY(sheet.text(label).empty());
            QVERIFY(sheet.visible(label));
            QCOMPARE(sheet.color(label), kBlack);
        }
    }

    void labelNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("label");  // 0: not a label of the window
        QTest::newRow("Label1") << "Label1" << 1;
        QTest::newRow("Label11") << "Label11" << 11;
        QTest::newRow("Label52") << "Label52" << 52;
        QTest::newRow("Label53") << "Label53" << 0;
        QTest::newRow("Label0") << "Label0" << 0;
        QTest::newRow("Label011") << "Label011" << 0;
        QTest::newRow("Label") << "Label" << 0;
        QTest::newRow("label11") << "label11" << 0;
        QTest::newRow("Label11x") << "Label11x" << 0;
        QTest::newRow("Label-1") << "Label-1" << 0;
    }
    void labelNames() {
        QFETCH(QString, name);
        QFETCH(int, label);
        QCOMPARE(ChartSheet::labelNumber(name.toStdString()).value_or(0), label);
    }
};

QTEST_APPLESS_MAIN(TestChartSheet)
#include "test_chart_sheet.moc"
