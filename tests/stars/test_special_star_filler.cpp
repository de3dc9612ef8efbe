#include <QMap>
#include <QTest>

#include "engine/chart_sheet.hpp"
#include "stars/special_star_filler.hpp"
#include "star_test_support.hpp"

using kesora::ChartSheet;
using kesora::test::StarList;
namespace cell = kesora::cell;

namespace {

struct PillarCells {
    int stem, branch, hidden, box;
};
constexpr PillarCells kYear{cell::YearStem, cell::YearBranch, cell::YearHidden, cell::YearSpecial};
constexpr PillarCells kMonth{cell::MonthStem, cell::MonthBranch, cell::MonthHidden, cell::MonthSpecial};
constexpr PillarCells kDay{cell::DayStem, cell::DayBranch, cell::DayHidden, cell::DaySpecial};
constexpr PillarCells kHour{cell::HourStem, cell::HourBranch, cell::HourHidden, cell::HourSpecial};
constexpr int kBoxes[] = {cell::YearSpecial, cell::MonthSpecial, cell::DaySpecial, cell::HourSpecial};

// stemBranchHidden: the pillar's stem, branch and hidden stem.
void SetPillar(ChartSheet& sheet, const PillarCells& cells, const QStringList& stemBranchHidden) {
    sheet.setText(cells.stem, stemBranchHidden.value(0).toStdString());
    sheet.setText(cells.branch, stemBranchHidden.value(1).toStdString());
    sheet.setText(cells.hidden, stemBranchHidden.value(2).toStdString());
}

void SetChart(ChartSheet& sheet, const QStringList& year, const QStringList& month, const QStringList& day,
              const QStringList& hour) {
    SetPillar(sheet, kYear, year);
    SetPillar(sheet, kMonth, month);
    SetPillar(sheet, kDay, day);
    SetPillar(sheet, kHour, hour);
}

QString Box(const ChartSheet& sheet, int label) { return QString::fromStdString(sheet.text(label)); }

class CountingObserver : public kesora::ChartSheetObserver {
public:
    void cellChanged(int label) override { ++changes[label]; }
    QMap<int, int> changes;
};

}  // namespace

class TestSpecialStarFiller : public QObject {
    Q_OBJECT

private slots:
    void boxesOfAChart_data() {
        QTest::addColumn<QStringList>("year");
        QTest::addColumn<QStringList>("month");
        QTest::addColumn<QStringList>("day");
        QTest::addColumn<QStringList>("hour");
        QTest::addColumn<QStringList>("yearBox");
        QTest::addColumn<QStringList>("monthBox");
        QTest::addColumn<QStringList>("dayBox");
        QTest::addColumn<QStringList>("hourBox");

        // Day stem 甲 with a 子 year; month 未 names 甲 twice; year 子 and day 辰
        // both put 咸池 at 酉; the month pillar's own 未 would carry 華蓋.
        QTest::newRow("甲 day in a 子 year, 未 month")
            << QStringList{"丙", "子", "癸"} << QStringList{"乙", "未", "己"} << QStringList{"甲", "辰", "戊"}
            << QStringList{"甲", "酉", "甲"}
            << QStringList{"大極貴神", "白虎殺"}
            << QStringList{"天乙貴神", "天徳合", "月徳合"}
            << QStringList{"天徳貴神", "月徳貴神"}
            << QStringList{"天官貴神", "飛刃", "天徳貴神", "月徳貴神", "天徳貴神", "月徳貴神", "咸池", "咸池"};

        // A day stem with a trailing blank is no stem: its own stars and the
        // day pillar's virtue go; the branch rules stay.
        QTest::newRow("day stem with a trailing blank")
            << QStringList{"丙", "子", "癸"} << QStringList{"乙", "未", "己"} << QStringList{"甲 ", "辰", "戊"}
            << QStringList{"甲", "酉", "甲"}
            << QStringList{"白虎殺"}
            << QStringList{"天徳合", "月徳合"}
            << QStringList{}
            << QStringList{"天徳貴神", "月徳貴神", "天徳貴神", "月徳貴神", "咸池", "咸池"};

        // Day branch 寅: the horse stands at 申 and 丙 makes it ominous; year
        // 巳 carries 血刃 against itself; 華蓋 of month 申 stands at 辰.
        QTest::newRow("寅 day, 丙申 month")
            << QStringList{"癸", "巳", "丙"} << QStringList{"丙", "申", "庚"} << QStringList{"戊", "寅", "甲"}
            << QStringList{"丙", "辰", "戊"}
            << QStringList{"天徳貴神", "血刃", "孤辰", "亡神"}
            << QStringList{"福星貴神", "天厨貴神", "暗禄", "孤辰", "亡神", "血刃", "凶馬"}
            << QStringList{"天徳合", "劫殺"}
            << QStringList{"大極貴神", "天徳合", "華蓋", "寡宿"};
        QTest::newRow("寅 day, 甲申 month")
            << QStringList{"癸", "巳", "丙"} << QStringList{"甲", "申", "庚"} << QStringList{"戊", "寅", "甲"}
            << QStringList{"丙", "辰", "戊"}
            << QStringList{"天徳貴神", "血刃", "孤辰", "亡神"}
            << QStringList{"福星貴神", "天厨貴神", "暗禄", "孤辰", "亡神", "血刃", "駅馬"}
            << QStringList{"天徳合", "劫殺"}
            << QStringList{"大極貴神", "天徳合", "華蓋", "寡宿"};

        // Day branch 午 puts the horse at 申: plain for the year's 庚, ominous
        // for the hour's 壬. In month 寅 the hour's stem 壬 carries 天徳合 and
        // its hidden stem 丙 月徳貴神: stem before hidden stem, against the
        // column order.
        QTest::newRow("午 day, 申 year and hour")
            << QStringList{"庚", "申", "庚"} << QStringList{"丙", "寅", "甲"} << QStringList{"甲", "午", "丁"}
            << QStringList{"壬", "申", "丙"}
            << QStringList{"孤辰", "駅馬"}
            << QStringList{"福星貴神", "月徳貴神", "血刃", "白虎殺"}
            << QStringList{"大極貴神", "天徳貴神", "因獄"}
            << QStringList{"天徳合", "月徳貴神", "孤辰", "凶馬"};

        // Every pillar stands at 戌, where month 戌 puts 華蓋 and nothing else.
        QTest::newRow("戌 in every pillar")
            << QStringList{"甲", "戌", "戊"} << QStringList{"甲", "戌", "戊"} << QStringList{"甲", "戌", "戊"}
            << QStringList{"甲", "戌", "戊"}
            << QStringList{} << QStringList{} << QStringList{"華蓋"} << QStringList{"華蓋"};

        // Month 子 names branches for the heavenly pair: the year box lists
        // 月徳合 (its stem) before 天徳貴神 (its branch), against the column order.
        QTest::newRow("庚 day, 子 month")
            << QStringList{"丁", "巳", "丙"} << QStringList{"壬", "子", "癸"} << QStringList{"庚", "申", "壬"}
            << QStringList{"丁", "亥", "甲"}
            << QStringList{"暗禄", "月徳合", "天徳貴神", "血刃", "劫殺"}
            << QStringList{"月徳貴神", "六害"}
            << QStringList{"月徳貴神", "天徳合", "孤辰", "亡神"}
            << QStringList{"大極貴神", "天厨貴神", "月徳合", "孤辰", "亡神"};
    }
    void boxesOfAChart() {
        QFETCH(QStringList, year);
        QFETCH(QStringList, month);
        QFETCH(QStringList, day);
        QFETCH(QStringList, hour);
        QFETCH(QStringList, yearBox);
        QFETCH(QStringList, monthBox);
        QFETCH(QStringList, dayBox);
        QFETCH(QStringList, hourBox);
        ChartSheet sheet;
        SetChart(sheet, year, month, day, hour);
        kesora::FillSpecialStars(sheet);
        QCOMPARE(Box(sheet, cell::YearSpecial), StarList(yearBox));
        QCOMPARE(Box(sheet, cell::MonthSpecial), StarList(monthBox));
        QCOMPARE(Box(sheet, cell::DaySpecial), StarList(dayBox));
        QCOMPARE(Box(sheet, cell::HourSpecial), StarList(hourBox));
    }

    // After a refused first run the window still shows its placeholder captions.
    void freshSheetEmptiesAllBoxes() {
        ChartSheet sheet;
        for (int box : kBoxes) QVERIFY(!sheet.text(box).empty());
        kesora::FillSpecialStars(sheet);
        for (int box : kBoxes) QCOMPARE(Box(sheet, box), QString());
    }

    // Cells are taken as they stand: a branch name in a stem cell meets the
    // virtue stars month 午 gives to branches.
    void cellsAreTakenAsTheyStand() {
        ChartSheet sheet;
        sheet.setText(cell::MonthBranch, "午");
        sheet.setText(cell::YearStem, "亥");
        sheet.setText(cell::YearHidden, "寅");
        kesora::FillSpecialStars(sheet);
        QCOMPARE(Box(sheet, cell::YearSpecial), StarList({"天徳貴神", "天徳合"}));
        for (int box : {cell::MonthSpecial, cell::DaySpecial, cell::HourSpecial}) QCOMPARE(Box(sheet, box), QString());
    }

    void nextChartReplacesEveryBox() {
        ChartSheet sheet;
        SetChart(sheet, {"丙", "子", "癸"}, {"乙", "未", "己"}, {"甲", "辰", "戊"}, {"甲", "酉", "甲"});
        kesora::FillSpecialStars(sheet);
        SetChart(sheet, {"甲", "戌", "戊"}, {"甲", "戌", "戊"}, {"甲", "戌", "戊"}, {"甲", "戌", "戊"});
        kesora::FillSpecialStars(sheet);
        QCOMPARE(Box(sheet, cell::YearSpecial), QString());
        QCOMPARE(Box(sheet, cell::MonthSpecial), QString());
        QCOMPARE(Box(sheet, cell::DaySpecial), StarList({"華蓋"}));
        QCOMPARE(Box(sheet, cell::HourSpecial), StarList({"華蓋"}));
    }

    // Every cell of a chart whose boxes are all full is spoilt the same way.
    void cellsThatNameNothingEmptyAllBoxes_data() {
        QTest::addColumn<int>("spoiling");
        const auto spoilings = kesora::test::NonNamesNear("甲");
        for (int i = 0; i < spoilings.size(); ++i) QTest::newRow(spoilings[i].first.constData()) << i;
    }
    void cellsThatNameNothingEmptyAllBoxes() {
        QFETCH(int, spoiling);
        ChartSheet sheet;
        SetChart(sheet, {"丙", "子", "癸"}, {"乙", "未", "己"}, {"甲", "辰", "戊"}, {"甲", "酉", "甲"});
        kesora::FillSpecialStars(sheet);
        for (int box : kBoxes) QVERIFY(!sheet.text(box).empty());
        for (const PillarCells& pillar : {kYear, kMonth, kDay, kHour}) {
            for (int label : {pillar.stem, pillar.branch, pillar.hidden}) {
                const QByteArray name = QByteArray::fromStdString(sheet.text(label));
                sheet.setText(label, kesora::test::View(kesora::test::NonNamesNear(name)[spoiling].second));
            }
        }
        kesora::FillSpecialStars(sheet);
        for (int box : kBoxes) QCOMPARE(Box(sheet, box), QString());
    }

    // The window redraws a box on every change, so each box is written whole, once.
    void eachBoxChangesOnce() {
        ChartSheet sheet;
        SetChart(sheet, {"丙", "子", "癸"}, {"乙", "未", "己"}, {"甲", "辰", "戊"}, {"甲", "酉", "甲"});
        CountingObserver observer;
        sheet.setObserver(&observer);
        kesora::FillSpecialStars(sheet);
        const QMap<int, int> once{
            {cell::YearSpecial, 1}, {cell::MonthSpecial, 1}, {cell::DaySpecial, 1}, {cell::HourSpecial, 1}};
        QCOMPARE(observer.changes, once);
    }

    // A caller's buffer may hold anything; it must not leak into the boxes.
    void callersBufferIsStartedAfresh() {
        ChartSheet sheet;
        SetChart(sheet, {"甲", "戌", "戊"}, {"甲", "戌", "戊"}, {"甲", "戌", "戊"}, {"甲", "戌", "戊"});
        std::string buffer = "・残り\r\n";
        kesora::FillSpecialStars(sheet, buffer);
        QCOMPARE(Box(sheet, cell::YearSpecial), QString());
        QCOMPARE(Box(sheet, cell::HourSpecial), StarList({"華蓋"}));
        kesora::FillSpecialStars(sheet, buffer);
        QCOMPARE(Box(sheet, cell::YearSpecial), QString());
        QCOMPARE(Box(sheet, cell::DaySpecial), StarList({"華蓋"}));
    }

    // The hour box is filled from the hour cells even when an unknown birth
    // hour has hidden them, and the filler leaves visibility alone.
    void hiddenHourPillarIsStillRead() {
        ChartSheet sheet;
        SetChart(sheet, {"甲", "戌", "戊"}, {"甲", "戌", "戊"}, {"甲", "戌", "戊"}, {"甲", "戌", "戊"});
        for (int label : cell::HourPillarCells) sheet.setVisible(label, false);
        kesora::FillSpecialStars(sheet);
        QCOMPARE(Box(sheet, cell::HourSpecial), StarList({"華蓋"}));
        for (int label : cell::HourPillarCells) QVERIFY(!sheet.visible(label));
    }
};

QTEST_APPLESS_MAIN(TestSpecialStarFiller)
#include "test_special_star_filler.moc"
