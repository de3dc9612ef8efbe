#pragma once
// The printers the chart can go to. The program asks only for the default
// printer and hands it finished pages as one job; tests put a stand-in here.

#include <QPageLayout>
#include <QString>
#include <optional>

namespace kesora::chart_view {

struct DefaultPrinter {
    QString name;
    QPageLayout page;    // the printer's default paper, with its printable margins
    int resolution = 0;  // dots per inch
};

struct PrintJob {
    bool accepted = false;  // the printer system took the job
    QString problem;        // why not, when it did not (may be empty)
};

class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;
    // Nothing when no printer is configured.
    virtual std::optional<DefaultPrinter> defaultPrinter() = 0;
    // Hands the pages of a PDF file to the printer as one job.
    virtual PrintJob submit(const DefaultPrinter& printer, const QString& pdfPath, const QString& title) = 0;
};

}  // namespace kesora::chart_view
