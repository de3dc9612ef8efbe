// The 健康運 command: casting the chart first when there is none, which
// windows end up in view, the music around the click, and what the health
// window shows for the chart.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QtTest>

#include "chart_view/chart_window/chart_window.hpp"
#include "chart_view/chart_window/chart_window_host.hpp"
#include "chart_view/health/health_lookup.hpp"
#include "chart_view/health_window/health_window.hpp"
#include "chart_view/health_window/health_window_host.hpp"
#include "chart_view/health_window/show_health_luck.hpp"
#include "engine/chart_driver.hpp"
#include "forms/japanese_look.hpp"
#include "tests/support/fake_form.hpp"
#include "tests/support/scripted_boxes.hpp"

using namespace kesora;
using chart_view::ChartWindowHost;
using chart_view::Form20;
using chart_view::HealthWindowHost;
using testing::RecordedMessage;

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

void FinishDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

const QString kIntroduction =
    "　ここでは、月支元命（元命）と日柱天干（日主）により、かかりやすい病気の傾向と生活のする上での注意点についてみます。\n"
    "元命と日主のどちらを優先して考えるというのはありませんが、重複して存在する病気については特に注意してください。\n"
    "また、いくら心配がないといっても普通に生活している上での話しで、悪い条件が重なった過度の場合はその例ではありません。";

// The main window's side: its boxes, its chart command, the click and the tune.
struct Fixture {
    testing::ScriptedBoxes boxes;
    ChartWindowHost charts{boxes};
    HealthWindowHost health;
    testing::FakeForm form;
    QStringList events;
    chart_view::HealthLuckHooks hooks;

    Fixture() {
        form.name = "山田花子";
        form.year = "50";
        form.month = "5";
        form.day = "5";
        form.hour = "7時～9時";
        hooks.runChartCommand = [this] {
            if (!RunChartCommand(form, boxes, ChartOptions{}, charts.sheet())) return;
            events << "click";
            charts.showChart();
        };
        hooks.hideChartWindow = [this] {
            if (charts.window()) charts.window()->hide();
        };
        hooks.playClickSound = [this] { events << "click"; };
        hooks.stopMusic = [this] { events << "stop"; };
        hooks.playMusic = [this] { events << "play"; };
    }
    Form20* showHealthLuck() {
        chart_view::ShowHealthLuck(health, charts.sheet(), form, hooks);
        return health.window();
    }
    bool chartInView() const { return charts.window() && charts.window()->isVisible(); }
    bool healthInView() const { return health.window() && health.window()->isVisible(); }
    QStringList messages() const {
        QStringList seen;
        for (const RecordedMessage& m : boxes.shown) seen << Q(m.text);
        return seen;
    }
    void writeChart(std::string_view dayStem, std::string_view principalStar) {
        charts.sheet().setText(cell::YearStem, "乙");
        charts.sheet().setText(cell::DayStem, dayStem);
        charts.sheet().setText(cell::MonthHiddenStar, principalStar);
    }
};

}  // namespace

class TestHealthWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::SetUpJapaneseLook(*qApp); }
    void cleanup() { FinishDeferredDeletes(); }

    void paths_data();
    void paths();
    void exampleChartShowsTheExampleTexts();
    void captionsAreTrimmedAndUnknownOnesKeepTheText();
    void oneWindowRefilledThenClosed();
};

void TestHealthWindow::paths_data() {
    QTest::addColumn<bool>("chartBefore");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("healthShown");
    QTest::addColumn<bool>("chartShown");
    QTest::addColumn<QString>("hourAfter");
    QTest::addColumn<QString>("dayStem");
    QTest::addColumn<QString>("principalStar");

    const QStringList none;
    const QStringList chartClick{"click"};
    const QList<int> noAnswers;
    QTest::newRow("no chart yet, valid data: cast, chart window hidden again")
        << false << "50" << "7時～9時" << noAnswers << none << chartClick << true << false << "7時～9時"
        << "辛" << "印綬";
    QTest::newRow("no chart yet, typed hour converted")
        << false << "50" << "7:30" << noAnswers << none << chartClick << true << false << "7時～9時"
        << "辛" << "印綬";
    QTest::newRow("no chart yet, hour 時刻: cast without hour, box back to 時刻")
        << false << "50" << "時刻" << noAnswers << none << chartClick << true << false << "時刻"
        << "辛" << "印綬";
    QTest::newRow("No to the driver's question: nothing in view")
        << false << "70" << "7時～9時" << QList<int>{kAnswerNo} << QStringList{Q(kShowaQuestion)} << none
        << false << false << "7時～9時" << "" << "";
    QTest::newRow("Yes to the driver's question: cast and shown")
        << false << "70" << "7時～9時" << QList<int>{kAnswerYes} << QStringList{Q(kShowaQuestion)} << chartClick
        << true << false << "7時～9時" << "丙" << "食神";
    QTest::newRow("year missing: refused, nothing in view")
        << false << "" << "7時～9時" << noAnswers << QStringList{Q(kDataMissing)} << none << false << false
        << "7時～9時" << "" << "";
    QTest::newRow("hour box empty: refused, box reads 時刻")
        << false << "50" << "" << noAnswers << QStringList{Q(kFillEveryBox)} << none << false << false
        << "時刻" << "" << "";
    QTest::newRow("chart present: tune paused around the click, chart window stays")
        << true << "50" << "7時～9時" << noAnswers << none << QStringList{"stop", "click", "play"} << true << true
        << "7時～9時" << "辛" << "印綬";
}

void TestHealthWindow::paths() {
    QFETCH(bool, chartBefore);
    QFETCH(QString, year);
    QFETCH(QString, hour);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, events);
    QFETCH(bool, healthShown);
    QFETCH(bool, chartShown);
    QFETCH(QString, hourAfter);
    QFETCH(QString, dayStem);
    QFETCH(QString, principalStar);

    Fixture f;
    if (chartBefore) {
        f.hooks.runChartCommand();
        f.events.clear();
        QVERIFY(f.chartInView());
    }
    f.form.year = year.toStdString();
    f.form.hour = hour.toStdString();
    for (int a : answers) f.boxes.answers.push_back(a);

    Form20* window = f.showHealthLuck();

    QCOMPARE(f.messages(), messages);
    QCOMPARE(f.boxes.unexpectedQuestions, 0);
    QCOMPARE(f.events, events);
    QCOMPARE(f.healthInView(), healthShown);
    QCOMPARE(f.chartInView(), chartShown);
    QCOMPARE(Q(f.form.hour), hourAfter);
    QVERIFY(window);
    QVERIFY(!window->isModal());
    QCOMPARE(window->label("Label3")->text(), kIntroduction);
    if (!healthShown) return;

    QCOMPARE(window->label("Label5")->text(), dayStem);
    QCOMPARE(window->label("Label6")->text(), principalStar);
    QCOMPARE(window->textBox("Text1")->toPlainText(), Q(*HealthTextForStem(dayStem.toStdString())));
    QCOMPARE(window->textBox("Text2")->toPlainText(), Q(*HealthTextForStar(principalStar.toStdString())));
}

void TestHealthWindow::exampleChartShowsTheExampleTexts() {
    Fixture f;
    f.writeChart("甲", "比肩");
    Form20* window = f.showHealthLuck();
    QVERIFY(f.healthInView());
    QCOMPARE(window->windowTitle(), QString("健康運"));
    QCOMPARE(window->label("Label5")->text(), QString("甲"));
    QCOMPARE(window->label("Label6")->text(), QString("比肩"));
    // Each text as one run: the pieces joined, no line added.
    QCOMPARE(window->textBox("Text1")->toPlainText(),
             QString("　頭の病気やケガに注意が必要です。頭痛、頭重などの持病がある人が多いです。"
                     "甲が大運歳運ともに衰運にめぐり、それに加えて印綬も衰運にめぐる場合は、神経衰弱や脳腫瘍などの病気の危険があります。"
                     "また、むち打症のなどの危険もあり衰運の年は交通事故などにも注意が必要。"
                     "　しかし､他柱に己があって甲己の干合になる人には頭の病気がありません｡ "));
    QCOMPARE(window->textBox("Text2")->toPlainText(),
             QString("　健康面では恵まれていますが青年期の苦節が晩年に悪影響を及ぼすことが多く、過労による無理が出てきます。"
                     "病気や事故によるケガなど外科に縁が多いのがこの星の特徴で、内科の病でも手術をするようになります。"
                     "無茶をしなようにしてください。"
                     "　命式に偏財があると、病は長びく傾向があります。正官があって傷官を伴うとケガや第三者に体を傷つけられる危険が出ます。"));
}

void TestHealthWindow::captionsAreTrimmedAndUnknownOnesKeepTheText() {
    Fixture f;
    f.writeChart(" 甲 ", "比肩 ");
    Form20* window = f.showHealthLuck();
    QCOMPARE(window->label("Label5")->text(), QString("甲"));
    QCOMPARE(window->label("Label6")->text(), QString("比肩"));
    const QString byStem = window->textBox("Text1")->toPlainText();
    const QString byStar = window->textBox("Text2")->toPlainText();
    QVERIFY(byStem.startsWith("　頭の病気やケガに注意が必要です。"));
    QVERIFY(byStar.startsWith("　健康面では恵まれていますが"));

    // Captions that name no stem or star: shown as they are, the texts stay.
    f.writeChart("****", "21");
    QCOMPARE(f.showHealthLuck(), window);
    QCOMPARE(window->label("Label5")->text(), QString("****"));
    QCOMPARE(window->label("Label6")->text(), QString("21"));
    QCOMPARE(window->textBox("Text1")->toPlainText(), byStem);
    QCOMPARE(window->textBox("Text2")->toPlainText(), byStar);
}

void TestHealthWindow::oneWindowRefilledThenClosed() {
    Fixture f;
    f.writeChart("甲", "比肩");
    QPointer<Form20> first = f.showHealthLuck();
    f.writeChart("癸", "印綬");
    QCOMPARE(f.showHealthLuck(), first.data());
    QCOMPARE(first->label("Label5")->text(), QString("癸"));
    QVERIFY(first->textBox("Text1")->toPlainText().startsWith("　癸の人は"));
    int healthWindows = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) healthWindows += w->objectName() == "Form20";
    QCOMPARE(healthWindows, 1);

    // The close box unloads it; the next request loads it afresh, its texts empty until filled.
    first->close();
    QVERIFY(!f.health.window());
    FinishDeferredDeletes();
    QVERIFY(first.isNull());
    f.writeChart("****", "21");
    Form20* fresh = f.showHealthLuck();
    QVERIFY(fresh && fresh->isVisible());
    QCOMPARE(fresh->textBox("Text1")->toPlainText(), QString());
    QCOMPARE(fresh->textBox("Text2")->toPlainText(), QString());
}

QTEST_MAIN(TestHealthWindow)
#include "test_health_window.moc"
