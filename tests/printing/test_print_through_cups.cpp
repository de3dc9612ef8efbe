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
#include "chart_view/chart_window/chart_window_layout.hpp"
#include "chart_view/printing/cups_printer_system.hpp"
#include "chart_view/printing/print_chart.hpp"
#include "chart_view/printing/print_messages.hpp"
#include "engine/chart_driver.hpp"
#include "forms/japanese_look.hpp"
#include "tests/printing/page_image.hpp"
#include "tests/printing/print_fakes.hpp"
#include "tests/support/fake_form.hpp"

using namespace kesora;
using namespace kesora::testing;

namespace {

const QSize kChartTwips(chart_view::kClientWidthTwips, chart_view::kClientHeightTwips);

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
        QCOMPARE(PdfPageCount(pdf), 1);

        const QImage page = RenderFirstPage(pdf, 60);
        QVERIFY2(!page.isNull(), "pdftoppm (poppler-utils) could not render the page");
        const QRect drawn = DrawnArea(page);
        const double aspect = double(drawn.width()) / drawn.height();
        QVERIFY(qAbs(aspect / (double(kChartTwips.width()) / kChartTwips.height()) - 1) < 0.03);
        QVERIFY(std::max(double(drawn.width()) / page.width(), double(drawn.height()) / page.height()) > 0.8);

        const auto pixels = [&](const forms::Twips& where, const PixelTest& test) {
            return CountPixels(page, Place(where, kChartTwips, drawn), test);
        };
        const forms::Twips monthPillarHeader{3120, 780, 1095, 495};
        const QRect header = Place(monthPillarHeader, kChartTwips, drawn);
        QVERIFY(pixels(monthPillarHeader, IsHeaderCyan) > header.width() * header.height() / 2);
        QVERIFY(pixels({1980, 1440, 615, 465}, IsInk) > 10);        // day stem
        QVERIFY(pixels({600, 1440, 615, 465}, IsInk) > 10);         // hour stem
        QVERIFY(pixels({3180, 3840, 975, 495}, IsMarkOrange) > 10);  // the marked 地星 of the month
        QCOMPARE(pixels({2250, 6000, 1350, 495}, IsButtonBlue), 0);  // 命式印刷
        QCOMPARE(pixels({3840, 6000, 1350, 495}, IsButtonBlue), 0);  // 月支元命
    }
};

QTEST_MAIN(TestPrintThroughCups)
#include "test_print_through_cups.moc"
