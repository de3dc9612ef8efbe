// Typed birth hours turned into slots, and the checks on the date boxes.
#include <QtTest>

#include "engine/entry_checks.hpp"
#include "engine/hour_entry.hpp"
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
const QString kQuestion = "時刻欄の入力ミスです。\r\n時刻入力の説明を表示しますか。";
const QString kHelp =
    "通常、時刻は時刻リストより選択して下さい。（下向き黒三角をクリック）\r\n"
    "直接入力の場合は３０分間隔の２４時間制で指定して下さい。\r\n"
    "更に詳しいことは『ちょいヘルプ』を見て下さい。";
}  // namespace

Q_DECLARE_METATYPE(BoxCheck)

class TestHourEntry : public QObject {
    Q_OBJECT
private slots:
    void typedHours_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("slot");
        QTest::newRow("24") << "24" << "24時～1時";
        QTest::newRow("0") << "0" << "24時～1時";
        QTest::newRow("0:30") << "0:30" << "24時～1時";
        QTest::newRow("24.30") << "24.30" << "24時～1時";
        QTest::newRow("0-30") << "0-30" << "24時～1時";
        QTest::newRow("０．３０") << "０．３０" << "24時～1時";
        QTest::newRow("２４：３０") << "２４：３０" << "24時～1時";
        QTest::newRow("1") << "1" << "1時～3時";
        QTest::newRow("2.30") << "2.30" << "1時～3時";
        QTest::newRow("２－３０") << "２－３０" << "1時～3時";
        QTest::newRow("4:30") << "4:30" << "3時～5時";
        QTest::newRow("6-30") << "6-30" << "5時～7時";
        QTest::newRow("7") << "7" << "7時～9時";
        QTest::newRow("７：３０") << "７：３０" << "7時～9時";
        QTest::newRow("8:30") << "8:30" << "7時～9時";
        QTest::newRow("10.30") << "10.30" << "9時～11時";
        QTest::newRow("１０") << "１０" << "9時～11時";
        QTest::newRow("12-30") << "12-30" << "11時～13時";
        QTest::newRow("１２：３０") << "１２：３０" << "11時～13時";
        QTest::newRow("14:30") << "14:30" << "13時～15時";
        QTest::newRow("１５－３０") << "１５－３０" << "15時～17時";
        QTest::newRow("１８．３０") << "１８．３０" << "17時～19時";
        QTest::newRow("19:30") << "19:30" << "19時～21時";
        QTest::newRow("22-30") << "22-30" << "21時～23時";
        QTest::newRow("23") << "23" << "23時～24時";
        QTest::newRow("23:30") << "23:30" << "23時～24時";
        QTest::newRow("２３－３０") << "２３－３０" << "23時～24時";
    }
    void typedHours() {
        QFETCH(QString, typed);
        QFETCH(QString, slot);
        const auto found = SlotOfTypedHour(typed.toStdString());
        QVERIFY(found.has_value());
        QCOMPARE(Q(*found), slot);
    }

    void refusedTypedHours_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("leading zero") << "07";
        QTest::newRow("leading zero with minutes") << "07:30";
        QTest::newRow("25") << "25";
        QTest::newRow("other minutes") << "7:15";
        QTest::newRow("minutes 00") << "7:00";
        QTest::newRow("ascii digits, full-width colon") << "7：30";
        QTest::newRow("full-width digits, ascii colon") << "７:３０";
        QTest::newRow("mixed digits") << "1２";
        QTest::newRow("with 時") << "7時";
        QTest::newRow("three digits") << "123";
        QTest::newRow("separator alone") << "7:";
        QTest::newRow("minutes too long") << "7:300";
        QTest::newRow("comma") << "7,30";
        QTest::newRow("empty") << "";
    }
    void refusedTypedHours() {
        QFETCH(QString, typed);
        QVERIFY(!SlotOfTypedHour(typed.toStdString()));
    }

    void truncatedUtf8IsRefused() {
        QVERIFY(!SlotOfTypedHour(std::string("\xEF\xBC")));
        QVERIFY(!SlotOfTypedHour(std::string("7\xEF\xBC")));
        QCOMPARE(ClassifyHourEntry(std::string("\xEF")).hourState, kHourRejected);
    }

    void classify_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("newBox");  // "=" when the box stays as it is
        QTest::newRow("slot") << "7時～9時" << kHourKnown << "=";
        QTest::newRow("slot with blanks") << "  7時～9時 " << kHourKnown << "7時～9時";
        QTest::newRow("typed") << " 7:30 " << kHourKnown << "7時～9時";
        QTest::newRow("empty") << "" << kHourUnknown << "=";
        QTest::newRow("placeholder") << "時刻" << kHourUnknown << "時刻不明";
        QTest::newRow("unknown") << "時刻不明" << kHourUnknown << "=";
        QTest::newRow("rubbish") << "朝" << kHourRejected << "時刻";
    }
    void classify() {
        QFETCH(QString, box);
        QFETCH(int, state);
        QFETCH(QString, newBox);
        const HourConversion c = ClassifyHourEntry(box.toStdString());
        QCOMPARE(c.hourState, state);
        QCOMPARE(c.newBoxText ? Q(*c.newBoxText) : QString("="), newBox);
    }

    void rejectedEntryWithHelp_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes shows the help") << kAnswerYes;
        QTest::newRow("No shows nothing more") << kAnswerNo;
    }
    void rejectedEntryWithHelp() {
        QFETCH(int, answer);
        FakeForm form;
        form.hour = "7時半";
        ScriptedBoxes boxes;
        boxes.answers = {answer};
        ConvertHourEntry(form, boxes);

        QCOMPARE(form.state.hourState, kHourRejected);
        QCOMPARE(Q(form.hour), QString("時刻"));
        QCOMPARE(form.hourFocused, 1);
        QCOMPARE(boxes.shown.size(), answer == kAnswerYes ? 2u : 1u);
        QCOMPARE(boxes.shown[0].kind, RecordedMessage::Kind::Ask);
        QCOMPARE(Q(boxes.shown[0].title), QString("Kesora"));
        QCOMPARE(Q(boxes.shown[0].text), kQuestion);
        if (answer == kAnswerYes) {
            QCOMPARE(boxes.shown[1].kind, RecordedMessage::Kind::Inform);
            QCOMPARE(Q(boxes.shown[1].title), QString("Kesora"));
            QCOMPARE(Q(boxes.shown[1].text), kHelp);
        }
    }

    void acceptedEntryAsksNothing() {
        FakeForm form;
        form.hour = "２３：３０";
        form.state.hourState = kHourRejected;
        ScriptedBoxes boxes;
        ConvertHourEntry(form, boxes);
        QCOMPARE(form.state.hourState, kHourKnown);
        QCOMPARE(Q(form.hour), QString("23時～24時"));
        QVERIFY(boxes.shown.empty());
        QCOMPARE(form.hourFocused, 0);
    }

    void dayChecks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<BoxCheck>("check");
        QTest::newRow("placeholder") << "日" << BoxCheck::Placeholder;
        QTest::newRow("placeholder with blanks") << " 日 " << BoxCheck::Placeholder;
        QTest::newRow("empty") << "" << BoxCheck::Accepted;
        QTest::newRow("1") << "1" << BoxCheck::Accepted;
        QTest::newRow("31") << "31" << BoxCheck::Accepted;
        QTest::newRow("3 (first keystroke of 32)") << "3" << BoxCheck::Accepted;
        QTest::newRow("32") << "32" << BoxCheck::Refused;
        QTest::newRow("0") << "0" << BoxCheck::Refused;
        QTest::newRow("full-width ３１") << "３１" << BoxCheck::Accepted;
        QTest::newRow("15日 read by its number") << "15日" << BoxCheck::Accepted;
        QTest::newRow("letters") << "abc" << BoxCheck::Refused;
        QTest::newRow("negative") << "-1" << BoxCheck::Refused;
    }
    void dayChecks() {
        QFETCH(QString, text);
        QFETCH(BoxCheck, check);
        QCOMPARE(CheckDayEntry(text.toStdString()), check);
    }

    void monthChecks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<BoxCheck>("check");
        QTest::newRow("placeholder") << "月" << BoxCheck::Placeholder;
        QTest::newRow("empty") << "" << BoxCheck::Accepted;
        QTest::newRow("1") << "1" << BoxCheck::Accepted;
        QTest::newRow("12") << "12" << BoxCheck::Accepted;
        QTest::newRow("full-width １２") << "１２" << BoxCheck::Accepted;
        QTest::newRow("blanks around") << " 7 " << BoxCheck::Accepted;
        QTest::newRow("13") << "13" << BoxCheck::Refused;
        QTest::newRow("0") << "0" << BoxCheck::Refused;
        QTest::newRow("leading zero") << "07" << BoxCheck::Refused;
        QTest::newRow("mixed widths") << "1２" << BoxCheck::Refused;
        QTest::newRow("with 月") << "7月" << BoxCheck::Refused;
    }
    void monthChecks() {
        QFETCH(QString, text);
        QFETCH(BoxCheck, check);
        QCOMPARE(CheckMonthEntry(text.toStdString()), check);
    }

    void dateFilled_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<bool>("filled");
        QTest::newRow("all filled") << "59" << "2" << "4" << true;
        QTest::newRow("year placeholder") << "年" << "2" << "4" << false;
        QTest::newRow("month placeholder") << "59" << "月" << "4" << false;
        QTest::newRow("day placeholder") << "59" << "2" << "日" << false;
        QTest::newRow("year blank") << "  " << "2" << "4" << false;
        QTest::newRow("placeholder with blanks") << "59" << "2" << " 日" << false;
    }
    void dateFilled() {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(bool, filled);
        QCOMPARE(BirthDateFilled(year.toStdString(), month.toStdString(), day.toStdString()), filled);
    }
};

QTEST_APPLESS_MAIN(TestHourEntry)
#include "test_hour_entry.moc"
