// Year, month, day and hour pillars and the solar-term entry days.
#include <QtTest>

#include "engine/cycle.hpp"
#include "engine/pillars.hpp"
#include "engine/solar_terms.hpp"
#include "tests/support/qt_strings.hpp"

using namespace kesora;
using kesora::testing::Q;
using kesora::testing::Seen;

namespace {

QString Pair(int n) { return Q(StemOfNumber(n)) + Q(BranchOfNumber(n)); }

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// The closed formula the day pillar was first defined by, exact for 1900..2099.
int DayNumberByClosedFormula(int y, int m, int d) {
    static constexpr int kMonthStart[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const int n = y - 1863;
    const int a = 5 * ((n - 1) % 12);
    const int q = n / 4;
    const bool fractional = n % 4 != 0;
    const int c = (!IsLeap(y) && fractional) ? 1 : 0;
    const int s = kMonthStart[m - 1] + d + ((IsLeap(y) && m > 2) ? 1 : 0);
    int dn = a + q + c + s;
    while (dn > 60) dn -= 60;
    return dn;
}

int DaysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

}  // namespace

class TestPillars : public QObject {
    Q_OBJECT
private slots:
    void entryDays_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("entryDay");
        QTest::newRow("1912 Jan, first row") << 1912 << 1 << 7;
        QTest::newRow("1984 Feb 立春") << 1984 << 2 << 5;
        QTest::newRow("1990 Jan 小寒") << 1990 << 1 << 5;
        QTest::newRow("1941 Nov") << 1941 << 11 << 7;
        QTest::newRow("1965 Jan") << 1965 << 1 << 5;
        QTest::newRow("2018 Dec, last row") << 2018 << 12 << 7;
        QTest::newRow("2018 May") << 2018 << 5 << 5;
        QTest::newRow("2019 Feb default") << 2019 << 2 << 4;
        QTest::newRow("2020 Mar default") << 2020 << 3 << 7;
        QTest::newRow("1911 Feb default") << 1911 << 2 << 4;
        QTest::newRow("1911 Jun default") << 1911 << 6 << 7;
        QTest::newRow("month 0") << 1984 << 0 << 7;
        QTest::newRow("month 13") << 1984 << 13 << 7;
    }
    void entryDays() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, entryDay);
        QCOMPARE(LookUpEntryDay(year, month), entryDay);
    }

    void yearAndMonthPillars_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("entryDayInPreviousMonth");
        QTest::addColumn<QString>("yearPillar");
        QTest::addColumn<QString>("monthPillar");
        QTest::newRow("day before 立春") << 1984 << 2 << 4 << false << "癸亥" << "乙丑";
        QTest::newRow("立春, current month") << 1984 << 2 << 5 << false << "甲子" << "丙寅";
        QTest::newRow("立春, previous month") << 1984 << 2 << 5 << true << "癸亥" << "乙丑";
        QTest::newRow("day after 立春, previous month") << 1984 << 2 << 6 << true << "甲子" << "丙寅";
        QTest::newRow("小寒 1990") << 1990 << 1 << 5 << false << "己巳" << "丁丑";
        QTest::newRow("before 小寒 1990") << 1990 << 1 << 4 << false << "己巳" << "丙子";
        QTest::newRow("1949-10-01") << 1949 << 10 << 1 << false << "己丑" << "癸酉";
        QTest::newRow("2000-01-01") << 2000 << 1 << 1 << false << "己卯" << "丙子";
        QTest::newRow("2018-12-31") << 2018 << 12 << 31 << false << "戊戌" << "甲子";
        QTest::newRow("2020-03-06 default row") << 2020 << 3 << 6 << false << "庚子" << "戊寅";
        QTest::newRow("2020-03-07 default row") << 2020 << 3 << 7 << false << "庚子" << "己卯";
        QTest::newRow("丑 month of a 癸 year wraps") << 1984 << 1 << 31 << false << "癸亥" << "乙丑";
        QTest::newRow("1983 is 癸亥") << 1983 << 6 << 30 << false << "癸亥" << "戊午";
        QTest::newRow("1911 before the table") << 1911 << 6 << 6 << false << "辛亥" << "癸巳";
        QTest::newRow("year far before 1864") << 1500 << 5 << 20 << false << "庚申" << "辛巳";
    }
    void yearAndMonthPillars() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(bool, entryDayInPreviousMonth);
        QFETCH(QString, yearPillar);
        QFETCH(QString, monthPillar);
        const EntryDayRule rule = entryDayInPreviousMonth ? EntryDayRule::PreviousMonth : EntryDayRule::CurrentMonth;
        const YearMonthPillars p = ComputeYearMonthPillars(year, month, day, LookUpEntryDay(year, month), rule);
        QCOMPARE(Pair(p.yearNumber), yearPillar);
        QCOMPARE(Pair(p.monthNumber), monthPillar);
        QVERIFY(p.yearNumber >= 0 && p.yearNumber <= 59);
        QVERIFY(p.monthNumber >= 1 && p.monthNumber <= 60);
    }

    // Each solar-term month takes its branch from the month it opens, whatever the year.
    void monthBranchFollowsPillarMonth() {
        static const char* kBranchOfPillarMonth[] = {"丑", "寅", "卯", "辰", "巳", "午",
                                                     "未", "申", "酉", "戌", "亥", "子"};
        for (int year = 1912; year <= 1971; ++year) {
            for (int month = 1; month <= 12; ++month) {
                const auto p = ComputeYearMonthPillars(year, month, 20, LookUpEntryDay(year, month),
                                                       EntryDayRule::CurrentMonth);
                QCOMPARE(p.pillarMonth, month);
                QCOMPARE(Q(BranchOfNumber(p.monthNumber)), QString::fromUtf8(kBranchOfPillarMonth[month - 1]));
            }
        }
    }

    void dayPillars_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("pillar");
        QTest::newRow("1949-10-01") << 1949 << 10 << 1 << "甲子";
        QTest::newRow("2000-01-01") << 2000 << 1 << 1 << "戊午";
        QTest::newRow("2001-01-01") << 2001 << 1 << 1 << "甲子";
        QTest::newRow("2000-03-01") << 2000 << 3 << 1 << "戊午";
        QTest::newRow("1912-01-01") << 1912 << 1 << 1 << "丙子";
        QTest::newRow("1984-02-04") << 1984 << 2 << 4 << "戊辰";
        QTest::newRow("2018-12-31") << 2018 << 12 << 31 << "丁酉";
        // Past 2099 the calendar, not the old closed formula, decides: 36525 days after 2000-01-01.
        QTest::newRow("2100-01-01") << 2100 << 1 << 1 << "癸卯";
        QTest::newRow("31 Feb is 3 Mar in a common year") << 1985 << 2 << 31 << Pair(DayNumber(1985, 3, 3));
        QTest::newRow("31 Feb is 2 Mar in a leap year") << 1984 << 2 << 31 << Pair(DayNumber(1984, 3, 2));
    }
    void dayPillars() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QString, pillar);
        QCOMPARE(Pair(DayNumber(year, month, day)), pillar);
    }

    // The calendar computation must agree with the closed formula wherever that
    // formula holds, including days past the end of a month.
    void dayNumberAgreesWithClosedFormula1900To2099() {
        for (int y = 1900; y <= 2099; ++y)
            for (int m = 1; m <= 12; ++m)
                for (int d = 1; d <= 31; ++d)
                    if (DayNumber(y, m, d) != DayNumberByClosedFormula(y, m, d))
                        QFAIL(qPrintable(QString("%1-%2-%3").arg(y).arg(m).arg(d)));
    }

    // Beyond 1900..2099 consecutive calendar days still step through the cycle,
    // across century years that are and are not leap years.
    void dayNumberIsContinuousOverCenturies() {
        for (int y : {1500, 1600, 1700, 1800, 1899, 2100, 2200, 2400, 9999}) {
            int previous = DayNumber(y - 1, 12, 31);
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= DaysInMonth(y, m); ++d) {
                    const int n = DayNumber(y, m, d);
                    QCOMPARE(n, previous % 60 + 1);
                    previous = n;
                }
            }
        }
    }

    void dayNumberStaysInRangeForExtremeYears() {
        for (qint64 y : {qint64(-999'999'999'999), qint64(-1), qint64(0), qint64(999'999'999'999 + 1988)}) {
            const int n = DayNumber(y, 6, 15);
            QVERIFY2(n >= 1 && n <= 60, qPrintable(QString::number(y)));
        }
    }

    void hourPillars_data() {
        QTest::addColumn<int>("dayNumber");
        QTest::addColumn<QString>("hourBox");
        QTest::addColumn<QString>("pillar");
        QTest::newRow("甲 day, 子 hour") << 1 << "24時～1時" << "甲子";
        QTest::newRow("甲 day, 亥 hour") << 1 << "21時～23時" << "乙亥";
        QTest::newRow("甲 day, late night") << 1 << "23時～24時" << "丙子";
        QTest::newRow("乙 day, 子 hour") << 2 << "24時～1時" << "丙子";
        QTest::newRow("丙 day, 子 hour") << 3 << "24時～1時" << "戊子";
        QTest::newRow("丁 day, 子 hour") << 4 << "24時～1時" << "庚子";
        QTest::newRow("戊 day, 子 hour") << 5 << "24時～1時" << "壬子";
        QTest::newRow("戊 day, 午 hour") << 5 << "11時～13時" << "戊午";
        QTest::newRow("癸 day, 亥 hour") << 10 << "21時～23時" << "癸亥";
        QTest::newRow("己 day, 丑 hour") << 6 << "1時～3時" << "乙丑";
        QTest::newRow("癸 day, late night") << 60 << "23時～24時" << "甲子";
    }
    void hourPillars() {
        QFETCH(int, dayNumber);
        QFETCH(QString, hourBox);
        QFETCH(QString, pillar);
        const HourPillar hour = ComputeHourPillar(hourBox.toStdString(), dayNumber);
        QCOMPARE(Q(hour.stem) + Q(hour.branch), pillar);
    }

    void unknownHourHasNoPillar_data() {
        QTest::addColumn<QString>("hourBox");
        QTest::newRow("placeholder") << "時刻";
        QTest::newRow("unknown") << "時刻不明";
        QTest::newRow("blank around a slot") << " 7時～9時";
        QTest::newRow("half-width tilde") << "7時~9時";
        QTest::newRow("empty") << "";
    }
    void unknownHourHasNoPillar() {
        QFETCH(QString, hourBox);
        const HourPillar hour = ComputeHourPillar(hourBox.toStdString(), 1);
        QVERIFY(hour.branch.empty());
        QVERIFY(hour.stem.empty());
    }
};

QTEST_APPLESS_MAIN(TestPillars)
#include "test_pillars.moc"
