// End to end: the chart printed by the printing command to the system's real
// default printer, a CUPS PDF queue that cups_pdf_printer.sh sets up, and the
// page that queue wrote, looked at as pixels.
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <QtTest>

#include "chart_view/chart_window/chart_window.hpp"
#include "chart_view/chart_window/chart_window_host.hpp"
#include "chart_view/printing/cups_printer_system.hpp"
#include "chart_view/printing/print_chart.hpp"
#include "chart_view/printing/print_messages.hpp"
#include "engine/chart_driver.hpp"
#include "forms/japanese_look.hpp"
#include "tests/printing/printed_chart_checks.hpp"
#include "tests/printing/print_fakes.hpp"
#include "tests/support/fake_form.hpp"

using namespace kesora;
using namespace kesora::testing;

namespace {

// The queue writes its PDF with Ghostscript after the job is taken; the trailer comes last.
QString WaitForFinishedPdf(const QDir& folder, QDeadlineTimer deadline) {
    while (!deadline.hasExpired()) {
        const QStringList pdfs = folder.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        if (pdfs.size() == 1) {
            QFile file(folder.filePath(pdfs.first()));
            if (file.open(QIODevice::ReadOnly) && file.size() > 16) {
                file.seek(file.size() - 16);
                if (file.read(16).contains("%%EOF")) return file.fileName();
            }
        }
        QThread::msleep(200);
    }
    return {};
}

}  // namespace

class TestPrintThroughCups : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        forms::SetUpJapaneseLook(*qApp);
        if (qEnvironmentVariableIsEmpty("KESORA_CUPS_PDF_OUT"))
            QSKIP("run through tests/printing/cups_pdf_printer.sh, which sets up the printer");
    }

    void printsOnePageWithTheChartOnIt() {
        const QDir out(qEnvironmentVariable("KESORA_CUPS_PDF_OUT"));
        QVERIFY(out.entryList({QStringLiteral("*.pdf")}, QDir::Files).isEmpty());

        chart_view::CupsPrinterSystem printers;
        const auto printer = printers.defaultPrinter();
        QVERIFY2(printer, "no default printer found");
        QCOMPARE(printer->name, QStringLiteral("kesora-pdf"));

        ScriptedBoxes chartBoxes;
        chart_view::ChartWindowHost host(chartBoxes);
        FakeForm form;
        form.name = "山田花子";
        form.year = "50";
        form.month = "5";
        form.day = "5";
        form.hour = "7時～9時";
        QVERIFY(RunChartCommand(form, chartBoxes, ChartOptions{}, host.sheet()));
        host.sheet().setColor(cell::MonthHiddenStar, kMarkOrange);
        chart_view::Form11* window = host.showChart();

        ScriptedBoxes boxes;
        boxes.answers = {kAnswerYes};
        ScriptedPdfFiles files;
        chart_view::PrintChart(*window, boxes, printers, files);
        QCOMPARE(files.asked, 0);
        QCOMPARE(boxes.shown.size(), std::size_t(2));
        QCOMPARE(boxes.shown[1].text, std::string(chart_view::kPrintDone));

        const QString pdf = WaitForFinishedPdf(out, QDeadlineTimer(120000));
        QVERIFY2(!pdf.isEmpty(), "the queue wrote no PDF within two minutes");
        QCOMPARE(out.entryList({QStringLiteral("*.pdf")}, QDir::Files).size(), 1);
        const QStringList problems = ProblemsWithPrintedChart(pdf, {.hourShown = true, .markedOrange = true});
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TestPrintThroughCups)
#include "test_print_through_cups.moc"
