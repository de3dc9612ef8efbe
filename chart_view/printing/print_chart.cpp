#include "chart_view/printing/print_chart.hpp"

#include <QTemporaryDir>
#include <string>

#include "chart_view/chart_window/chart_window.hpp"
#include "chart_view/chart_window/chart_window_layout.hpp"
#include "chart_view/printing/chart_page.hpp"
#include "chart_view/printing/pdf_file_chooser.hpp"
#include "chart_view/printing/print_messages.hpp"
#include "chart_view/printing/printer_system.hpp"

namespace kesora::chart_view {

namespace {

// The PDF file of a chart saved instead of printed: A4 upright, as most printers here take.
const QPageLayout kPdfFilePage(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                               QPageLayout::Millimeter);
constexpr int kPdfFileResolution = 1200;

const QString kJobTitle = QStringLiteral("命式");

std::string Lines(std::string_view first, const QString& second) {
    std::string text(first);
    if (!second.isEmpty()) {
        text += kLineBreak;
        text += second.toStdString();
    }
    return text;
}

void PrintToDefaultPrinter(Form11& window, MessageBoxes& boxes, PrinterSystem& printers,
                           const DefaultPrinter& printer) {
    QTemporaryDir spool;
    const QString pdf = spool.filePath(QStringLiteral("chart.pdf"));
    if (!spool.isValid() || !WriteChartPdf(window, pdf, printer.page, printer.resolution)) {
        boxes.inform(kChartTitle, kPrintFailed);
        return;
    }
    const PrintJob job = printers.submit(printer, pdf, kJobTitle);
    if (!job.accepted) {
        boxes.inform(kChartTitle, Lines(kPrintFailed, job.problem));
        return;
    }
    boxes.inform(kChartTitle, kPrintDone);
}

void SaveAsPdfInstead(Form11& window, MessageBoxes& boxes, PdfFileChooser& pdfFiles) {
    if (boxes.ask(kChartTitle, kNoPrinterQuestion) != kAnswerYes) return;
    const std::optional<QString> path = pdfFiles.choosePdfPath(&window, QStringLiteral("命式.pdf"));
    if (!path) return;
    if (!WriteChartPdf(window, *path, kPdfFilePage, kPdfFileResolution)) {
        boxes.inform(kChartTitle, Lines(kPdfFailed, *path));
        return;
    }
    boxes.inform(kChartTitle, Lines(kPdfSaved, *path));
}

}  // namespace

void PrintChart(Form11& window, MessageBoxes& boxes, PrinterSystem& printers, PdfFileChooser& pdfFiles) {
    if (boxes.ask(kChartTitle, kPrintQuestion) != kAnswerYes) return;

    QWidget* printButton = window.control(QString::fromUtf8(kPrintButtonName));
    QWidget* principalStarButton = window.control(QString::fromUtf8(kPrincipalStarButtonName));
    printButton->setVisible(false);
    principalStarButton->setVisible(false);

    if (const std::optional<DefaultPrinter> printer = printers.defaultPrinter()) {
        PrintToDefaultPrinter(window, boxes, printers, *printer);
    } else {
        SaveAsPdfInstead(window, boxes, pdfFiles);
    }

    // The buttons come back only once the last box is closed.
    printButton->setVisible(true);
    principalStarButton->setVisible(true);
}

}  // namespace kesora::chart_view
