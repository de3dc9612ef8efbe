// The 月支元命 reading window: what it shows for each caption of the month
// pillar's 地星 cell, one window refilled, and the orange mark on that cell
// from the mouse press until the reading window closes.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QtTest>

#include "chart_view/chart_window/chart_window.hpp"
#include "chart_view/chart_window/chart_window_host.hpp"
#include "chart_view/reading_window/reading_window.hpp"
#include "chart_view/reading_window/reading_window_host.hpp"
#include "chart_view/reading_window/show_principal_star_reading.hpp"
#include "chart_view/readings/format_reading_text.hpp"
#include "chart_view/readings/reading_texts.hpp"
#include "forms/japanese_look.hpp"
#include "tests/chart_window/window_mouse.hpp"
#include "tests/support/scripted_boxes.hpp"

using namespace kesora;
using chart_view::ChartWindowHost;
using chart_view::Form11;
using chart_view::Form15;
using chart_view::ReadingWindowHost;

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString Shown(std::string_view stored) { return Q(stored).replace("\r\n", "\n"); }

void FinishDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

int TopLevelWindowsNamed(const char* name) {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) count += w->objectName() == name && w->isVisible();
    return count;
}

const QColor kOrange(255, 128, 0);
const QColor kBlackText(Qt::black);

// The chart window with a chart in it, and the reading wired to its picture as in the program.
struct Fixture {
    testing::ScriptedBoxes boxes;
    ChartWindowHost charts{boxes};
    ReadingWindowHost readings{charts.sheet()};
    int clicks = 0;
    QList<bool> readingShownAtClick;

    Fixture() {
        charts.sheet().setText(cell::YearStem, "癸");
        charts.sheet().setText(cell::MonthHiddenStar, "偏財");
        QObject::connect(&charts, &ChartWindowHost::principalStarReadingRequested, &charts, [this] {
            chart_view::ShowPrincipalStarReading(readings, [this] {
                ++clicks;
                readingShownAtClick << (readings.window() && readings.window()->isVisible());
            });
        });
    }
    Form11* chart() { return charts.showChart(); }
    QWidget* picture() { return charts.window()->control("GessiGenmei"); }
    QColor principalStarColour() { return charts.window()->label(21)->palette().color(QPalette::WindowText); }
    Form15* read(std::string_view caption) {
        charts.sheet().setText(cell::MonthHiddenStar, caption);
        chart_view::ShowPrincipalStarReading(readings, [this] { ++clicks; });
        return readings.window();
    }
};

}  // namespace

class TestReadingWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::SetUpJapaneseLook(*qApp); }
    void cleanup() { FinishDeferredDeletes(); }

    void readingForEachCaption_data();
    void readingForEachCaption();
    void aSecondRequestRefillsTheSameWindow();
    void clickSoundsBeforeTheWindowShows();
    void orangeFromPressUntilTheReadingCloses_data();
    void orangeFromPressUntilTheReadingCloses();
    void closingTheReadingAfterTheChartWindowChangesNothing_data();
    void closingTheReadingAfterTheChartWindowChangesNothing();
};

void TestReadingWindow::readingForEachCaption_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("openingSentence");  // empty: no reading

    QTest::newRow("比肩") << "比肩" << "  自尊心が強く、勝ち気で、独立心の旺盛な人です。";
    QTest::newRow("劫財") << "劫財" << "  劫財は、「自我の星」である比肩の兄弟星。";
    QTest::newRow("食神") << "食神" << "  食神は、衣食住を司る星。";
    QTest::newRow("傷官") << "傷官" << "  傷官の人は聡明で、鋭い直感力を持った人です。";
    QTest::newRow("偏財") << "偏財" << "  この星の人は多趣味で多才。";
    QTest::newRow("正財") << "正財" << "  正財の人は、堅実で、細かく気がつく人です。";
    QTest::newRow("偏官") << "偏官" << "  この星の人は、エネルギーに満ちあふれ、意志が強く、実行力のある人です。";
    QTest::newRow("正官") << "正官"
                          << "  この正官は、もともと官僚を表し、「誠実さが認められて地位を得る」という意味を持っています。";
    QTest::newRow("偏印") << "偏印" << "  頭の回転が速く、機転のきく人です。";
    QTest::newRow("印綬") << "印綬" << "  印綬は、「知恵と学問と名誉」を意味する星。";
    QTest::newRow("placeholder of a fresh window") << "21" << "";
    QTest::newRow("trailing blank") << "比肩 " << "";
    QTest::newRow("leading blank") << " 印綬" << "";
    QTest::newRow("day pillar's ****") << "****" << "";
    QTest::newRow("empty") << "" << "";
}

void TestReadingWindow::readingForEachCaption() {
    QFETCH(QString, caption);
    QFETCH(QString, openingSentence);

    Fixture f;
    f.chart();
    Form15* window = f.read(caption.toStdString());
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());

    QCOMPARE(window->windowTitle(), QString("月支元命"));
    QCOMPARE(window->label("Label1")->text(), QString("月支元命とは"));
    QCOMPARE(window->label("Label2")->text(), QString("あなたの特性"));
    QCOMPARE(window->label("Label3")->text(), caption);
    QCOMPARE(window->textBox("Text1")->toPlainText(),
             QString("　ここでは、月支元命（日柱地星）より基本特性をみます。\n"
                     "　月支元命は命式の中心となる重要な星です。ここわかる基本特性はすべて根本になる大切な要素です。\n"
                     "　また、その人のだいたいの傾向を素早く知ることにも役立ちます。"));

    const QString reading = window->textBox("Text2")->toPlainText();
    if (openingSentence.isEmpty()) {
        QCOMPARE(reading, QString());
        return;
    }
    // The whole stored text, all its pieces, broken into lines at its paragraph marks.
    const KeyedText* entry = FindExact(ReadingTexts(), caption.toStdString());
    QVERIFY(entry);
    QCOMPARE(reading, Shown(FormatReadingText(entry->Text())));
    const QStringList lines = reading.split('\n');
    QVERIFY(lines.first().startsWith(openingSentence));
    QCOMPARE(lines.size(), Q(entry->Text()).count(QChar(0x3000)) + 1);
    for (qsizetype i = 1; i < lines.size(); ++i) QVERIFY2(lines[i].startsWith(" 　"), qPrintable(lines[i]));
}

void TestReadingWindow::aSecondRequestRefillsTheSameWindow() {
    Fixture f;
    f.chart();
    QPointer<Form15> first = f.read("比肩");
    Form15* second = f.read("印綬");
    QCOMPARE(second, first.data());
    QCOMPARE(second->label("Label3")->text(), QString("印綬"));
    QVERIFY(second->textBox("Text2")->toPlainText().startsWith("  印綬は、"));
    QCOMPARE(TopLevelWindowsNamed("Form15"), 1);
    QCOMPARE(f.clicks, 2);
}

void TestReadingWindow::clickSoundsBeforeTheWindowShows() {
    Fixture f;
    Form11* chart = f.chart();
    testing::ClickAt(chart, testing::CentreOf(f.picture()));
    QCOMPARE(f.readingShownAtClick, QList<bool>{false});
    QVERIFY(f.readings.window()->isVisible());
    QCOMPARE(f.readings.window()->label("Label3")->text(), QString("偏財"));
}

void TestReadingWindow::orangeFromPressUntilTheReadingCloses_data() {
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("close box") << true;
    QTest::newRow("double click on the background") << false;
}

void TestReadingWindow::orangeFromPressUntilTheReadingCloses() {
    QFETCH(bool, byCloseBox);
    Fixture f;
    Form11* chart = f.chart();

    // Orange at the press, before any reading is open.
    testing::PressAt(chart, testing::CentreOf(f.picture()));
    QVERIFY(!f.readings.window());
    QCOMPARE(f.principalStarColour(), kOrange);
    testing::ReleaseAt(chart, testing::CentreOf(f.picture()));
    QPointer<Form15> reading = f.readings.window();
    QVERIFY(reading && reading->isVisible());
    QCOMPARE(f.principalStarColour(), kOrange);

    // A second click while the reading is open keeps the mark.
    testing::ClickAt(chart, testing::CentreOf(f.picture()));
    QCOMPARE(f.readings.window(), reading.data());
    QCOMPARE(f.principalStarColour(), kOrange);

    if (byCloseBox)
        reading->close();
    else
        testing::DoubleClickAt(reading, QPoint(3, 3));
    QCOMPARE(f.principalStarColour(), kBlackText);
    QCOMPARE(f.charts.sheet().color(cell::MonthHiddenStar), kBlack);
    QVERIFY(!f.readings.window());
    FinishDeferredDeletes();
    QVERIFY(reading.isNull());
    QVERIFY(chart->isVisible());

    // The next reading loads the window afresh and marks the cell again.
    testing::ClickAt(chart, testing::CentreOf(f.picture()));
    QVERIFY(f.readings.window() && f.readings.window()->isVisible());
    QCOMPARE(f.principalStarColour(), kOrange);
}

void TestReadingWindow::closingTheReadingAfterTheChartWindowChangesNothing_data() {
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("close box") << true;
    QTest::newRow("double click on the background") << false;
}

void TestReadingWindow::closingTheReadingAfterTheChartWindowChangesNothing() {
    QFETCH(bool, byCloseBox);
    Fixture f;
    Form11* chart = f.chart();
    testing::ClickAt(chart, testing::CentreOf(f.picture()));
    Form15* reading = f.readings.window();
    QVERIFY(reading);

    chart->close();
    FinishDeferredDeletes();
    QVERIFY(!f.charts.window());

    if (byCloseBox)
        reading->close();
    else
        testing::DoubleClickAt(reading, QPoint(3, 3));
    FinishDeferredDeletes();
    QVERIFY(!f.readings.window());
    QVERIFY(!f.charts.window());
    QCOMPARE(TopLevelWindowsNamed("Form11"), 0);
    QCOMPARE(TopLevelWindowsNamed("Form15"), 0);

    // The next chart comes in a fresh window, its 地星 cell black and showing its placeholder.
    Form11* fresh = f.charts.showChart();
    QCOMPARE(fresh->label(21)->palette().color(QPalette::WindowText), kBlackText);
    QCOMPARE(fresh->label(21)->text(), QString("21"));
}

QTEST_MAIN(TestReadingWindow)
#include "test_reading_window.moc"
