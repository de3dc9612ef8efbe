#include "chart_view/printing/cups_printer_system.hpp"

#include <QPrinter>
#include <QPrinterInfo>
#include <cups/cups.h>

namespace kesora::chart_view {

std::optional<DefaultPrinter> CupsPrinterSystem::defaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return std::nullopt;
    // A printer opened on it knows its default paper and printable margins.
    const QPrinter printer(info, QPrinter::HighResolution);
    return DefaultPrinter{info.printerName(), printer.pageLayout(), printer.resolution()};
}

PrintJob CupsPrinterSystem::submit(const DefaultPrinter& printer, const QString& pdfPath, const QString& title) {
    // A queue name may carry an instance after a slash; CUPS wants the queue itself.
    const QByteArray queue = printer.name.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray media = printer.page.pageSize().key().toLocal8Bit();
    cups_option_t* options = nullptr;
    const int optionCount = cupsAddOption("media", media.constData(), 0, &options);
    const int job = cupsPrintFile(queue.constData(), pdfPath.toLocal8Bit().constData(), title.toUtf8().constData(),
                                  optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (job > 0) return {true, {}};
    return {false, QString::fromUtf8(cupsLastErrorString())};
}

}  // namespace kesora::chart_view
