// The chart command from the birth-data boxes to the chart sheet.
#include <QtTest>

#include "engine/chart_driver.hpp"
#include "tests/support/fake_form.hpp"
#include "tests/support/scripted_boxes.hpp"
#include "tests/support/qt_strings.hpp"

using namespace kesora;
using kesora::testing::Q;
using kesora::testing::Seen;
using kesora::testing::FakeForm;
using kesora::testing::RecordedMessage;
using kesora::testing::ScriptedBoxes;

namespace {

QString Cell(const ChartSheet& sheet, int label) { return Q(sheet.text(label)); }
QString PillarOf(const ChartSheet& sheet, const cell::PillarCells& p) {
    return Cell(sheet, p.stem) + Cell(sheet, p.branch);
}

FakeForm Birth(Era era, const char* year, const char* month, const char* day, const char* hour) {
    FakeForm form;
    form.era = era;
    form.year = year;
    form.month = month;
    form.day = day;
    form.hour = hour;
    return form;
}


constexpr ChartOptions kCurrentMonthDayStageOnly{EntryDayRule::CurrentMonth, false};
constexpr ChartOptions kCurrentMonthAllStages{EntryDayRule::CurrentMonth, true};

}  // namespace

class TestChartDriver : public QObject {
    Q_OBJECT
private slots:
    // 昭和59-02-04, the day before 立春 (the 5th): every cell of the chart.
    void wholeChartBeforeSpringStart() {
        FakeForm form = Birth(Era::Showa, "59", "2", "4", "11時～13時");
        form.name = "  山田　花子 ";
        ScriptedBoxes boxes;
        ChartSheet sheet;
        QVERIFY(RunChartCommand(form, boxes, kCurrentMonthDayStageOnly, sheet));
        QVERIFY(boxes.shown.empty());

        QCOMPARE(PillarOf(sheet, cell::YearPillar), QString("癸亥"));
        QCOMPARE(PillarOf(sheet, cell::MonthPillar), QString("乙丑"));
        QCOMPARE(PillarOf(sheet, cell::DayPillar), QString("戊辰"));
        QCOMPARE(PillarOf(sheet, cell::HourPillar), QString("戊午"));
        // Born before the entry: count 21 picks every branch's last stem.
        QCOMPARE(Cell(sheet, cell::YearHidden), QString("壬"));
        QCOMPARE(Cell(sheet, cell::MonthHidden), QString("己"));
        QCOMPARE(Cell(sheet, cell::DayHidden), QString("戊"));
        QCOMPARE(Cell(sheet, cell::HourHidden), QString("丁"));
        QCOMPARE(Cell(sheet, cell::YearStemStar), QString("正財"));
        QCOMPARE(Cell(sheet, cell::YearHiddenStar), QString("偏財"));
        QCOMPARE(Cell(sheet, cell::MonthStemStar), QString("正官"));
        QCOMPARE(Cell(sheet, cell::MonthHiddenStar), QString("劫財"));
        QCOMPARE(Cell(sheet, cell::DayStemStar), QString("****"));
        QCOMPARE(Cell(sheet, cell::DayHiddenStar), QString("比肩"));
        QCOMPARE(Cell(sheet, cell::HourStemStar), QString("比肩"));
        QCOMPARE(Cell(sheet, cell::HourHiddenStar), QString("印綬"));
        QCOMPARE(Cell(sheet, cell::DayStage), QString("冠帯"));
        QCOMPARE(Cell(sheet, cell::YearStage), QString("****"));
        QCOMPARE(Cell(sheet, cell::MonthStage), QString("****"));
        QCOMPARE(Cell(sheet, cell::HourStage), QString("****"));
        QCOMPARE(Cell(sheet, cell::Void), QString("戌・亥"));

        QCOMPARE(Cell(sheet, cell::Name), QString("山田　花子"));
        QCOMPARE(Cell(sheet, cell::Era), QString("昭和"));
        QCOMPARE(Cell(sheet, cell::Year), QString("59"));
        QCOMPARE(Cell(sheet, cell::Month), QString("2"));
        QCOMPARE(Cell(sheet, cell::Day), QString("4"));
        QCOMPARE(Cell(sheet, cell::Hour), QString("11時～13時"));
        QVERIFY(sheet.visible(cell::Hour));
        QVERIFY(sheet.visible(cell::BornWord));
        QCOMPARE(form.state.entryDay, 5);
        QCOMPARE(form.state.hourState, kHourKnown);
    }

    void pillarsAndStages_data() {
        QTest::addColumn<int>("era");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<bool>("previousMonthRule");
        QTest::addColumn<QString>("pillars");  // hour day month year, as the window reads left to right
        QTest::addColumn<QString>("stages");   // hour day month year
        QTest::newRow("立春 itself") << int(Era::Showa) << "59" << "2" << "5" << "11時～13時" << false
                                    << "庚午 己巳 丙寅 甲子" << "建禄 帝旺 死 絶";
        QTest::newRow("立春 counted in the month before") << int(Era::Showa) << "59" << "2" << "5" << "11時～13時" << true
                                    << "庚午 己巳 乙丑 癸亥" << "建禄 帝旺 墓 胎";
        QTest::newRow("full-width month and day") << int(Era::Heisei) << "１２" << "１２" << "３１" << "24時～1時" << false
                                    << "壬子 癸亥 戊子 庚辰" << "建禄 帝旺 建禄 養";
        QTest::newRow("西暦 1990") << int(Era::Seireki) << "1990" << "1" << "5" << "3時～5時" << false
                                    << "戊寅 庚午 丁丑 己巳" << "絶 沐浴 墓 長生";
    }
    void pillarsAndStages() {
        QFETCH(int, era);
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, hour);
        QFETCH(bool, previousMonthRule);
        QFETCH(QString, pillars);
        QFETCH(QString, stages);
        FakeForm form = Birth(Era(era), qPrintable(year), qPrintable(month), qPrintable(day), qPrintable(hour));
        ScriptedBoxes boxes;
        ChartSheet sheet;
        const ChartOptions options{previousMonthRule ? EntryDayRule::PreviousMonth : EntryDayRule::CurrentMonth, true};
        QVERIFY(RunChartCommand(form, boxes, options, sheet));
        const QStringList got{PillarOf(sheet, cell::HourPillar), PillarOf(sheet, cell::DayPillar),
                              PillarOf(sheet, cell::MonthPillar), PillarOf(sheet, cell::YearPillar)};
        QCOMPARE(got.join(' '), pillars);
        const QStringList gotStages{Cell(sheet, cell::HourStage), Cell(sheet, cell::DayStage),
                                    Cell(sheet, cell::MonthStage), Cell(sheet, cell::YearStage)};
        QCOMPARE(gotStages.join(' '), stages);
    }

    // With the stages of other pillars switched off, their cells keep what an
    // earlier chart put there.
    void stagesSwitchedOffKeepEarlierStars() {
        ChartSheet sheet;
        ScriptedBoxes boxes;
        FakeForm first = Birth(Era::Showa, "59", "2", "5", "11時～13時");
        QVERIFY(RunChartCommand(first, boxes, kCurrentMonthAllStages, sheet));
        QCOMPARE(Cell(sheet, cell::YearStage), QString("絶"));

        sheet.markEmpty();
        FakeForm second = Birth(Era::Showa, "59", "2", "4", "11時～13時");
        QVERIFY(RunChartCommand(second, boxes, kCurrentMonthDayStageOnly, sheet));
        QCOMPARE(Cell(sheet, cell::DayStage), QString("冠帯"));
        QCOMPARE(Cell(sheet, cell::YearStage), QString("絶"));
        QCOMPARE(Cell(sheet, cell::MonthStage), QString("死"));
        QCOMPARE(Cell(sheet, cell::HourStage), QString("建禄"));
    }

    // The late-night slot keeps the day's pillars but counts the hidden stems
    // from the next day, here the entry day itself.
    void lateNightSlotBeforeEntryDay() {
        FakeForm form = Birth(Era::Showa, "59", "2", "4", "23時～24時");
        ScriptedBoxes boxes;
        ChartSheet sheet;
        QVERIFY(RunChartCommand(form, boxes, kCurrentMonthDayStageOnly, sheet));
        QCOMPARE(PillarOf(sheet, cell::DayPillar), QString("戊辰"));
        QCOMPARE(PillarOf(sheet, cell::MonthPillar), QString("乙丑"));
        QCOMPARE(PillarOf(sheet, cell::HourPillar), QString("甲子"));
        QCOMPARE(Cell(sheet, cell::YearHidden) + Cell(sheet, cell::MonthHidden) + Cell(sheet, cell::DayHidden) +
                     Cell(sheet, cell::HourHidden),
                 QString("戊癸乙壬"));
    }

    void eraQuestions_data() {
        QTest::addColumn<int>("era");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("yearPillarOnYes");
        QTest::newRow("大正16") << int(Era::Taisho) << "16" << "大正は１５年までですが、入力に間違いはありませんか。" << "丁卯";
        QTest::newRow("昭和65") << int(Era::Showa) << "65" << "昭和は６４年までですが、入力に間違いはありませんか。" << "庚午";
        QTest::newRow("平成51") << int(Era::Heisei) << "51" << "平成が選択されていますが、入力に間違いはありませんか。" << "己未";
    }
    void eraQuestions() {
        QFETCH(int, era);
        QFETCH(QString, year);
        QFETCH(QString, question);
        QFETCH(QString, yearPillarOnYes);
        for (int answer : {kAnswerNo, kAnswerYes}) {
            FakeForm form = Birth(Era(era), qPrintable(year), "6", "15", "7時～9時");
            ScriptedBoxes boxes;
            boxes.answers = {answer};
            ChartSheet sheet;
            const bool shown = RunChartCommand(form, boxes, kCurrentMonthDayStageOnly, sheet);
            QCOMPARE(boxes.shown.size(), 1u);
            QCOMPARE(Seen(boxes.shown[0]), "ask|Kesora|" + question);
            QCOMPARE(form.state.lastAnswer, answer);
            if (answer == kAnswerNo) {
                QVERIFY(!shown);
                QCOMPARE(Cell(sheet, cell::YearStem), QString("11"));
                QCOMPARE(Cell(sheet, cell::Name), QString("四柱　推命"));
                QCOMPARE(form.yearFocused, 1);
            } else {
                QVERIFY(shown);
                QCOMPARE(PillarOf(sheet, cell::YearPillar), yearPillarOnYes);
                QCOMPARE(Cell(sheet, cell::Year), year);
                QCOMPARE(form.yearFocused, 0);
            }
        }
    }

    void yearsWithinTheirEraAskNothing_data() {
        QTest::addColumn<int>("era");
        QTest::addColumn<QString>("year");
        QTest::newRow("大正15") << int(Era::Taisho) << "15";
        QTest::newRow("昭和64") << int(Era::Showa) << "64";
        QTest::newRow("平成50") << int(Era::Heisei) << "50";
        QTest::newRow("大正0") << int(Era::Taisho) << "0";
        QTest::newRow("昭和 negative") << int(Era::Showa) << "-200";
        QTest::newRow("西暦1912") << int(Era::Seireki) << "1912";
        QTest::newRow("西暦 far future") << int(Era::Seireki) << "99999999999999";
    }
    void yearsWithinTheirEraAskNothing() {
        QFETCH(int, era);
        QFETCH(QString, year);
        FakeForm form = Birth(Era(era), qPrintable(year), "6", "15", "7時～9時");
        ScriptedBoxes boxes;
        ChartSheet sheet;
        QVERIFY(RunChartCommand(form, boxes, kCurrentMonthAllStages, sheet));
        QVERIFY(boxes.shown.empty());
        for (int label : {cell::YearStem, cell::YearBranch, cell::MonthStem, cell::DayStem, cell::HourStem}) {
            QVERIFY2(Cell(sheet, label).size() == 1, qPrintable(Cell(sheet, label)));
        }
        QVERIFY(!Cell(sheet, cell::YearStemStar).isEmpty());
        QVERIFY(!Cell(sheet, cell::YearStage).isEmpty());
    }

    void refusals_data() {
        QTest::addColumn<int>("era");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("marksEmpty");
        QTest::newRow("year placeholder") << int(Era::Showa) << "年" << "2" << "4" << "時刻" << "inform|Kesora|データが足りません。" << false;
        QTest::newRow("month blank") << int(Era::Showa) << "59" << " " << "4" << "時刻" << "inform|Kesora|データが足りません。" << false;
        QTest::newRow("day placeholder") << int(Era::Showa) << "59" << "2" << "日" << "時刻" << "inform|Kesora|データが足りません。" << false;
        QTest::newRow("hour box empty") << int(Era::Showa) << "59" << "2" << "4" << "" << "inform|Kesora|空欄をすべて埋めてください。" << false;
        QTest::newRow("西暦 1911") << int(Era::Seireki) << "1911" << "2" << "4" << "時刻" << "inform|Kesora|西暦は1912年～より対応となっております。" << true;
    }
    void refusals() {
        QFETCH(int, era);
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, hour);
        QFETCH(QString, message);
        QFETCH(bool, marksEmpty);
        // A chart from before stays on the sheet unless the refusal marks it empty.
        ChartSheet sheet;
        ScriptedBoxes boxes;
        FakeForm earlier = Birth(Era::Showa, "59", "2", "4", "11時～13時");
        QVERIFY(RunChartCommand(earlier, boxes, kCurrentMonthDayStageOnly, sheet));

        FakeForm form = Birth(Era(era), qPrintable(year), qPrintable(month), qPrintable(day), qPrintable(hour));
        ComputeChart(form, boxes, kCurrentMonthDayStageOnly, sheet);
        QCOMPARE(boxes.shown.size(), 1u);
        QCOMPARE(Seen(boxes.shown[0]), message);
        QCOMPARE(sheet.holdsChart(), !marksEmpty);
        QCOMPARE(Cell(sheet, cell::DayStem), QString("戊"));
        QCOMPARE(Cell(sheet, cell::Year), QString("59"));
    }

    // An empty hour box hides the hour cells before the blank-box refusal.
    void emptyHourBoxHidesHourCellsThenStops() {
        FakeForm form = Birth(Era::Showa, "59", "2", "4", "");
        ScriptedBoxes boxes;
        ChartSheet sheet;
        QVERIFY(!RunChartCommand(form, boxes, kCurrentMonthDayStageOnly, sheet));
        QCOMPARE(form.state.hourState, kHourUnknown);
        for (int label : cell::HourPillarCells) QVERIFY(!sheet.visible(label));
        QVERIFY(sheet.text(cell::HourSpecial).empty());
    }

    void rejectedHourStops() {
        FakeForm form = Birth(Era::Showa, "59", "2", "4", "25:00");
        ScriptedBoxes boxes;
        boxes.answers = {kAnswerNo};
        ChartSheet sheet;
        QVERIFY(!RunChartCommand(form, boxes, kCurrentMonthDayStageOnly, sheet));
        QCOMPARE(boxes.shown.size(), 1u);
        QCOMPARE(form.hour, std::string("時刻"));
        QCOMPARE(form.state.hourState, kHourRejected);
        QCOMPARE(Cell(sheet, cell::YearStem), QString("11"));
        QCOMPARE(boxes.unexpectedQuestions, 0);
    }

    // An unknown hour hides the hour pillar and the heading's hour; the next
    // chart with a known hour brings them back.
    void unknownHourThenKnownHour() {
        ChartSheet sheet;
        ScriptedBoxes boxes;
        FakeForm unknown = Birth(Era::Showa, "59", "2", "4", "時刻");
        QVERIFY(RunChartCommand(unknown, boxes, kCurrentMonthDayStageOnly, sheet));
        QCOMPARE(unknown.hour, std::string("時刻不明"));
        QCOMPARE(unknown.state.hourState, kHourUnknown);
        for (int label : cell::HourPillarCells) QVERIFY(!sheet.visible(label));
        QVERIFY(!sheet.visible(cell::Hour));
        QVERIFY(!sheet.visible(cell::BornWord));
        constexpr int kHourPillarHeader = 10;
        QVERIFY(sheet.visible(kHourPillarHeader));
        QCOMPARE(PillarOf(sheet, cell::DayPillar), QString("戊辰"));

        sheet.markEmpty();
        FakeForm known = Birth(Era::Showa, "59", "2", "4", "7:30");
        QVERIFY(RunChartCommand(known, boxes, kCurrentMonthDayStageOnly, sheet));
        QCOMPARE(known.hour, std::string("7時～9時"));
        for (int label : cell::HourPillarCells) QVERIFY(sheet.visible(label));
        QVERIFY(sheet.visible(cell::Hour));
        QVERIFY(sheet.visible(cell::BornWord));
        QCOMPARE(Cell(sheet, cell::Hour), QString("7時～9時"));
        QCOMPARE(PillarOf(sheet, cell::HourPillar), QString("丙辰"));
        QVERIFY(boxes.shown.empty());
    }

    // Without the empty mark the typed hour is not converted again.
    void chartOnDisplaySkipsHourConversion() {
        ChartSheet sheet;
        ScriptedBoxes boxes;
        FakeForm form = Birth(Era::Showa, "59", "2", "4", "時刻");
        QVERIFY(RunChartCommand(form, boxes, kCurrentMonthDayStageOnly, sheet));
        form.hour = "時刻";
        QVERIFY(RunChartCommand(form, boxes, kCurrentMonthDayStageOnly, sheet));
        QCOMPARE(form.hour, std::string("時刻"));
        QVERIFY(!sheet.visible(cell::Hour));
        QVERIFY(boxes.shown.empty());
    }

    void specialStarsFollowTheChart() {
        FakeForm form = Birth(Era::Showa, "59", "2", "4", "11時～13時");
        ScriptedBoxes boxes;
        ChartSheet sheet;
        QVERIFY(RunChartCommand(form, boxes, kCurrentMonthDayStageOnly, sheet));
        // Day stem 戊 at 午 carries 羊刃; day branch 辰 puts 駅馬/凶馬 on 寅 only.
        QVERIFY(Cell(sheet, cell::HourSpecial).contains("・羊刃\r\n"));
        QVERIFY(!Cell(sheet, cell::DaySpecial).contains("馬"));
        for (int label : {cell::YearSpecial, cell::MonthSpecial, cell::DaySpecial, cell::HourSpecial}) {
            const QString box = Cell(sheet, label);
            QVERIFY2(box.isEmpty() || (box.startsWith("・") && box.endsWith("\r\n")), qPrintable(box));
        }
    }
};

QTEST_APPLESS_MAIN(TestChartDriver)
#include "test_chart_driver.moc"
