// Printing the chart window: the question, the hidden picture buttons, the
// default printer, the PDF file offered when there is none, and what the page
// looks like.
#include <QApplication>
#include <QLabel>
#include <QtTest>

#include "chart_view/chart_window/chart_window.hpp"
#include "chart_view/chart_window/chart_window_host.hpp"
#include "chart_view/chart_window/chart_window_layout.hpp"
#include "chart_view/printing/print_chart.hpp"
#include "chart_view/printing/print_messages.hpp"
#include "engine/chart_driver.hpp"
#include "forms/japanese_look.hpp"
#include "tests/printing/printed_chart_checks.hpp"
#include "tests/printing/print_fakes.hpp"
#include "tests/support/fake_form.hpp"

using namespace kesora;
using namespace kesora::testing;
using chart_view::ChartWindowHost;
using chart_view::DefaultPrinter;
using chart_view::Form11;

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString Seen(const RecordedMessage& m) {
    const char* kind = m.kind == RecordedMessage::Kind::Ask      ? "ask"
                       : m.kind == RecordedMessage::Kind::Inform ? "inform"
                                                                 : "notify";
    return QStringLiteral("%1|%2|%3").arg(kind, Q(m.title), Q(m.text));
}

QString Ask(std::string_view text) { return "ask|Kesora|" + Q(text); }
QString Inform(std::string_view text) { return "inform|Kesora|" + Q(text); }

const QSize kChartTwips(chart_view::kClientWidthTwips, chart_view::kClientHeightTwips);
constexpr forms::Twips kPrintButton{2250, 6000, 1350, 495};
constexpr forms::Twips kPrincipalStarButton{3840, 6000, 1350, 495};
constexpr forms::Twips kMonthPillarHeader{3120, 780, 1095, 495};

DefaultPrinter Printer(QPageSize::PageSizeId size, QPageLayout::Orientation orientation, int dpi) {
    return {QStringLiteral("office"),
            QPageLayout(QPageSize(size), orientation, QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter),
            dpi};
}

// A chart cast the way the chart command casts it, shown in its window.
struct Fixture {
    ScriptedBoxes chartBoxes;
    ChartWindowHost host{chartBoxes};
    WatchingBoxes boxes;
    FakePrinters printers;
    ScriptedPdfFiles files;
    QTemporaryDir folder;
    Form11* window = nullptr;

    explicit Fixture(const char* hour = "7時～9時") {
        FakeForm form;
        form.name = "山田花子";
        form.year = "50";
        form.month = "5";
        form.day = "5";
        form.hour = hour;
        if (!RunChartCommand(form, chartBoxes, ChartOptions{}, host.sheet())) qFatal("no chart cast");
        window = host.showChart();
        boxes.watch = [this] {
            return buttonShowing(chart_view::kPrintButtonName) || buttonShowing(chart_view::kPrincipalStarButtonName);
        };
    }
    bool buttonShowing(const char* name) const { return !window->control(QString::fromUtf8(name))->isHidden(); }
    bool buttonsShowing() const {
        return buttonShowing(chart_view::kPrintButtonName) && buttonShowing(chart_view::kPrincipalStarButtonName);
    }
    void print() { chart_view::PrintChart(*window, boxes, printers, files); }
    QStringList seen() const {
        QStringList all;
        for (const RecordedMessage& m : boxes.script.shown) all << Seen(m);
        return all;
    }
};

}  // namespace

class TestPrintChart : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::SetUpJapaneseLook(*qApp); }

    void outcomes_data();
    void outcomes();
    void pageShowsTheChartWithoutButtons_data();
    void pageShowsTheChartWithoutButtons();
    void buttonColourIsSeenOnTheScreen();
};

void TestPrintChart::outcomes_data() {
    QTest::addColumn<bool>("printerConfigured");
    QTest::addColumn<bool>("jobAccepted");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("chosenFile");  // "" the dialog is cancelled; relative to a fresh folder
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("jobs");
    QTest::addColumn<int>("dialogs");

    const QString question = Ask(chart_view::kPrintQuestion);
    const QString noPrinter = Ask(chart_view::kNoPrinterQuestion);
    const QList<int> yes{kAnswerYes}, yesYes{kAnswerYes, kAnswerYes};

    QTest::newRow("answered No: nothing printed")
        << true << true << QList<int>{kAnswerNo} << "" << QStringList{question} << 0 << 0;
    QTest::newRow("printed: the closing box follows the job")
        << true << true << yes << "" << QStringList{question, Inform(chart_view::kPrintDone)} << 1 << 0;
    QTest::newRow("job refused: said so, no closing box")
        << true << false << yes << ""
        << QStringList{question, Inform(chart_view::kPrintFailed) + "\r\nThe printer is not accepting jobs."} << 1
        << 0;
    QTest::newRow("no printer, PDF declined")
        << false << true << QList<int>{kAnswerYes, kAnswerNo} << "" << QStringList{question, noPrinter} << 0 << 0;
    QTest::newRow("no printer, dialog cancelled")
        << false << true << yesYes << "" << QStringList{question, noPrinter} << 0 << 1;
    QTest::newRow("no printer, PDF saved")
        << false << true << yesYes << "命式.pdf"
        << QStringList{question, noPrinter, Inform(chart_view::kPdfSaved) + "\r\n%1"} << 0 << 1;
    QTest::newRow("no printer, folder missing")
        << false << true << yesYes << "無い/命式.pdf"
        << QStringList{question, noPrinter, Inform(chart_view::kPdfFailed) + "\r\n%1"} << 0 << 1;
}

void TestPrintChart::outcomes() {
    QFETCH(bool, printerConfigured);
    QFETCH(bool, jobAccepted);
    QFETCH(QList<int>, answers);
    QFETCH(QString, chosenFile);
    QFETCH(QStringList, expected);
    QFETCH(int, jobs);
    QFETCH(int, dialogs);

    Fixture f;
    if (printerConfigured) f.printers.printer = Printer(QPageSize::A4, QPageLayout::Portrait, 600);
    f.printers.accept = jobAccepted;
    f.printers.refusal = QStringLiteral("The printer is not accepting jobs.");
    const QString path = chosenFile.isEmpty() ? QString() : f.folder.filePath(chosenFile);
    if (!path.isEmpty()) f.files.answer = path;
    for (int a : answers) f.boxes.script.answers.push_back(a);

    f.print();

    for (QString& line : expected)
        if (line.contains(QStringLiteral("%1"))) line = line.arg(path);
    QCOMPARE(f.seen(), expected);
    QCOMPARE(f.boxes.script.unexpectedQuestions, 0);
    QCOMPARE(f.printers.submittedCopies.size(), jobs);
    QCOMPARE(f.files.asked, dialogs);
    if (dialogs) QCOMPARE(f.files.suggested, QStringLiteral("命式.pdf"));
    QCOMPARE(!path.isEmpty() && QFileInfo::exists(path), f.seen().last().startsWith(Inform(chart_view::kPdfSaved)));
    for (const QString& title : f.printers.titles) QCOMPARE(title, QStringLiteral("命式"));

    // The buttons show at the question, stay hidden until the last box is closed, then show again.
    QCOMPARE(f.boxes.watched.value(0), true);
    for (qsizetype i = 1; i < f.boxes.watched.size(); ++i) QCOMPARE(f.boxes.watched[i], false);
    QVERIFY(f.buttonsShowing());
    QVERIFY(f.window->isVisible());
}

void TestPrintChart::pageShowsTheChartWithoutButtons_data() {
    QTest::addColumn<bool>("toPrinter");
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QString>("hour");
    QTest::addColumn<bool>("markedOrange");

    QTest::newRow("default printer, A4, 600 dpi")
        << true << int(QPageSize::A4) << int(QPageLayout::Portrait) << "7時～9時" << false;
    QTest::newRow("default printer, Letter across, 300 dpi, 地星 marked")
        << true << int(QPageSize::Letter) << int(QPageLayout::Landscape) << "7時～9時" << true;
    QTest::newRow("default printer, unknown hour")
        << true << int(QPageSize::A4) << int(QPageLayout::Portrait) << "時刻" << false;
    QTest::newRow("PDF file instead of a printer, 地星 marked")
        << false << int(QPageSize::A4) << int(QPageLayout::Portrait) << "7時～9時" << true;
}

void TestPrintChart::pageShowsTheChartWithoutButtons() {
    QFETCH(bool, toPrinter);
    QFETCH(int, pageSize);
    QFETCH(int, orientation);
    QFETCH(QString, hour);
    QFETCH(bool, markedOrange);

    const QByteArray hourText = hour.toUtf8();
    Fixture f(hourText.constData());
    if (markedOrange) f.host.sheet().setColor(cell::MonthHiddenStar, kMarkOrange);
    const QPageLayout::Orientation upright = QPageLayout::Orientation(orientation);
    QString pdf;
    if (toPrinter) {
        f.printers.printer = Printer(QPageSize::PageSizeId(pageSize), upright, pageSize == QPageSize::A4 ? 600 : 300);
        f.boxes.script.answers = {kAnswerYes};
        f.print();
        QCOMPARE(f.printers.submittedCopies.size(), 1);
        pdf = f.printers.submittedCopies.first();
    } else {
        pdf = f.folder.filePath(QStringLiteral("chart.pdf"));
        f.files.answer = pdf;
        f.boxes.script.answers = {kAnswerYes, kAnswerYes};
        f.print();
    }
    QVERIFY(QFileInfo::exists(pdf));

    const QStringList problems =
        ProblemsWithPrintedChart(pdf, {.hourShown = hour != "時刻", .markedOrange = markedOrange});
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));

    // Text goes to the page as text, not as a picture of the screen.
    const auto fonts = RunPopplerTool(QStringLiteral("pdffonts"), {pdf});
    QVERIFY2(fonts, "pdffonts (poppler-utils) could not read the file");
    QVERIFY2(fonts->split('\n').size() > 3, fonts->constData());

    // On the printer's paper, the right way up.
    const QImage page = RenderFirstPage(pdf, 60);
    const QSizeF paper = QPageSize(QPageSize::PageSizeId(pageSize)).size(QPageSize::Inch);
    const QSizeF expectedPage = upright == QPageLayout::Portrait ? paper : paper.transposed();
    QVERIFY(qAbs(page.width() - expectedPage.width() * 60) <= 2);
    QVERIFY(qAbs(page.height() - expectedPage.height() * 60) <= 2);
}

// The check for absent buttons above means something only if it finds them where they show.
void TestPrintChart::buttonColourIsSeenOnTheScreen() {
    Fixture f;
    const QImage screen = f.window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect all(QPoint(0, 0), f.window->size());
    const auto area = [&](const forms::Twips& where) { return Place(where, kChartTwips, all); };
    QVERIFY(CountPixels(screen, area(kPrintButton), IsButtonBlue) > area(kPrintButton).width() * 10);
    QVERIFY(CountPixels(screen, area(kPrincipalStarButton), IsButtonBlue) > area(kPrincipalStarButton).width() * 10);
    QCOMPARE(CountPixels(screen, area(kMonthPillarHeader), IsButtonBlue), 0);
}

QTEST_MAIN(TestPrintChart)
#include "test_print_chart.moc"
