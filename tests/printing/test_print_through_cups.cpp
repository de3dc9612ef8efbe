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

// The queue's answer to new jobs, switched with CUPS's own command.
bool SetQueueAccepting(bool accepting) {
    QProcess command;
    command.start(accepting ? QStringLiteral("/usr/sbin/cupsaccept") : QStringLiteral("/usr/sbin/cupsreject"),
                  {QStringLiteral("kesora-pdf")});
    return command.waitForFinished(30000) && command.exitStatus() == QProcess::NormalExit && command.exitCode() == 0;
}

// The sample chart in its window, the month pillar's 地星 marked.
struct ShownChart {
    ScriptedBoxes chartBoxes;
    chart_view::ChartWindowHost host{chartBoxes};
    chart_view::Form11* window = nullptr;
    ShownChart() {
        FakeForm form;
        form.name = "山田花子";
        form.year = "50";
        form.month = "5";
        form.day = "5";
        form.hour = "7時～9時";
        if (!RunChartCommand(form, chartBoxes, ChartOptions{}, host.sheet())) qFatal("no chart cast");
        host.sheet().setColor(cell::MonthHiddenStar, kMarkOrange);
        window = host.showChart();
    }
};

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

        ShownChart chart;
        ScriptedBoxes boxes;
        boxes.answers = {kAnswerYes};
        ScriptedPdfFiles files;
        chart_view::PrintChart(*chart.window, boxes, printers, files);
        QCOMPARE(files.asked, 0);
        QCOMPARE(boxes.shown.size(), std::size_t(2));
        QCOMPARE(boxes.shown[1].text, std::string(chart_view::kPrintDone));

        const QString pdf = WaitForFinishedPdf(out, QDeadlineTimer(120000));
        QVERIFY2(!pdf.isEmpty(), "the queue wrote no PDF within two minutes");
        QCOMPARE(out.entryList({QStringLiteral("*.pdf")}, QDir::Files).size(), 1);
        const QStringList problems = ProblemsWithPrintedChart(pdf, {.hourShown = true, .markedOrange = true});
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }

    // A queue that refuses jobs: the refusal is told, and no closing box claims a printout.
    void aRefusedJobIsReported() {
        QVERIFY2(SetQueueAccepting(false), "cupsreject failed");
        ShownChart chart;
        ScriptedBoxes boxes;
        boxes.answers = {kAnswerYes};
        ScriptedPdfFiles files;
        chart_view::CupsPrinterSystem printers;
        chart_view::PrintChart(*chart.window, boxes, printers, files);
        QVERIFY(SetQueueAccepting(true));

        QCOMPARE(boxes.shown.size(), std::size_t(2));
        QVERIFY2(boxes.shown[1].text.starts_with(chart_view::kPrintFailed), boxes.shown[1].text.c_str());
        // CUPS's own reason follows on a line of its own.
        QVERIFY(boxes.shown[1].text.size() > chart_view::kPrintFailed.size() + 2);
    }
};

QTEST_MAIN(TestPrintThroughCups)
#include "test_print_through_cups.moc"
