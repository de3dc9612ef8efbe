// Hidden stems by days since the solar-term entry, and the void pair.
#include <QtTest>

#include "engine/hidden_stems.hpp"
#include "tests/support/qt_strings.hpp"

using namespace kesora;
using kesora::testing::Q;
using kesora::testing::Seen;

class TestHiddenStems : public QObject {
    Q_OBJECT
private slots:
    void daysSinceEntry_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("hourBox");
        QTest::addColumn<int>("entryDay");
        QTest::addColumn<bool>("previousMonthRule");
        QTest::addColumn<int>("count");
        QTest::newRow("entry day, current month") << 5 << "時刻" << 5 << false << 0;
        QTest::newRow("entry day, previous month") << 5 << "時刻" << 5 << true << 21;
        QTest::newRow("day after entry, previous month") << 6 << "時刻" << 5 << true << 1;
        QTest::newRow("day before entry") << 4 << "時刻" << 5 << false << 21;
        QTest::newRow("day before entry, previous month") << 4 << "時刻" << 5 << true << 21;
        QTest::newRow("late night before entry") << 4 << "23時～24時" << 5 << false << 0;
        QTest::newRow("late night before entry, previous month") << 4 << "23時～24時" << 5 << true << 21;
        QTest::newRow("late night on entry, previous month") << 5 << "23時～24時" << 5 << true << 1;
        QTest::newRow("other slot is not late night") << 4 << "21時～23時" << 5 << false << 21;
        QTest::newRow("end of month") << 31 << "時刻" << 4 << false << 27;
    }
    void daysSinceEntry() {
        QFETCH(int, day);
        QFETCH(QString, hourBox);
        QFETCH(int, entryDay);
        QFETCH(bool, previousMonthRule);
        QFETCH(int, count);
        const auto rule = previousMonthRule ? EntryDayRule::PreviousMonth : EntryDayRule::CurrentMonth;
        QCOMPARE(DaysSinceEntry(day, hourBox.toStdString(), entryDay, rule), count);
    }

    // Both ends of every range of every branch.
    void hiddenStems_data() {
        QTest::addColumn<QString>("branch");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("stem");
        QTest::newRow("子 0") << "子" << 0 << "壬";
        QTest::newRow("子 10") << "子" << 10 << "壬";
        QTest::newRow("子 11") << "子" << 11 << "癸";
        QTest::newRow("子 21") << "子" << 21 << "癸";
        QTest::newRow("丑 9") << "丑" << 9 << "癸";
        QTest::newRow("丑 10") << "丑" << 10 << "辛";
        QTest::newRow("丑 12") << "丑" << 12 << "辛";
        QTest::newRow("丑 13") << "丑" << 13 << "己";
        QTest::newRow("寅 0") << "寅" << 0 << "戊";
        QTest::newRow("寅 7") << "寅" << 7 << "戊";
        QTest::newRow("寅 8") << "寅" << 8 << "丙";
        QTest::newRow("寅 14") << "寅" << 14 << "丙";
        QTest::newRow("寅 15") << "寅" << 15 << "甲";
        QTest::newRow("寅 21") << "寅" << 21 << "甲";
        QTest::newRow("卯 10") << "卯" << 10 << "甲";
        QTest::newRow("卯 11") << "卯" << 11 << "乙";
        QTest::newRow("辰 9") << "辰" << 9 << "乙";
        QTest::newRow("辰 10") << "辰" << 10 << "癸";
        QTest::newRow("辰 13") << "辰" << 13 << "戊";
        QTest::newRow("巳 7") << "巳" << 7 << "戊";
        QTest::newRow("巳 8") << "巳" << 8 << "庚";
        QTest::newRow("巳 15") << "巳" << 15 << "丙";
        QTest::newRow("午 0") << "午" << 0 << "丙";
        QTest::newRow("午 10") << "午" << 10 << "丙";
        QTest::newRow("午 11") << "午" << 11 << "己";
        QTest::newRow("午 20") << "午" << 20 << "己";
        QTest::newRow("午 21") << "午" << 21 << "丁";
        QTest::newRow("未 9") << "未" << 9 << "丁";
        QTest::newRow("未 12") << "未" << 12 << "乙";
        QTest::newRow("未 13") << "未" << 13 << "己";
        QTest::newRow("申 7") << "申" << 7 << "戊";
        QTest::newRow("申 14") << "申" << 14 << "壬";
        QTest::newRow("申 15") << "申" << 15 << "庚";
        QTest::newRow("酉 10") << "酉" << 10 << "庚";
        QTest::newRow("酉 11") << "酉" << 11 << "辛";
        QTest::newRow("戌 9") << "戌" << 9 << "辛";
        QTest::newRow("戌 10") << "戌" << 10 << "丁";
        QTest::newRow("戌 31") << "戌" << 31 << "戊";
        QTest::newRow("亥 7") << "亥" << 7 << "戊";
        QTest::newRow("亥 8") << "亥" << 8 << "甲";
        QTest::newRow("亥 15") << "亥" << 15 << "壬";
        QTest::newRow("亥 31") << "亥" << 31 << "壬";
        QTest::newRow("not a branch") << "甲" << 0 << "";
        QTest::newRow("empty branch") << "" << 5 << "";
        QTest::newRow("branch with a blank") << "子 " << 5 << "";
        QTest::newRow("count 32") << "子" << 32 << "";
        QTest::newRow("count -1") << "子" << -1 << "";
    }
    void hiddenStems() {
        QFETCH(QString, branch);
        QFETCH(int, count);
        QFETCH(QString, stem);
        QCOMPARE(Q(HiddenStem(branch.toStdString(), count)), stem);
    }

    void voidPairs_data() {
        QTest::addColumn<qint64>("dayNumber");
        QTest::addColumn<QString>("pair");
        QTest::newRow("1") << qint64(1) << "戌・亥";
        QTest::newRow("10") << qint64(10) << "戌・亥";
        QTest::newRow("11") << qint64(11) << "申・酉";
        QTest::newRow("30") << qint64(30) << "午・未";
        QTest::newRow("31") << qint64(31) << "辰・巳";
        QTest::newRow("50") << qint64(50) << "寅・卯";
        QTest::newRow("51") << qint64(51) << "子・丑";
        QTest::newRow("60") << qint64(60) << "子・丑";
        QTest::newRow("0") << qint64(0) << "えらーですたいな";
        QTest::newRow("61") << qint64(61) << "えらーですたいな";
    }
    void voidPairs() {
        QFETCH(qint64, dayNumber);
        QFETCH(QString, pair);
        QCOMPARE(Q(VoidPair(dayNumber)), pair);
    }
};

QTEST_APPLESS_MAIN(TestHiddenStems)
#include "test_hidden_stems.moc"
