#pragma once
// The system's printers through CUPS: Qt finds the default printer and its
// paper; the job goes to CUPS directly, because only CUPS's own answer tells
// whether it took the job.

#include "chart_view/printing/printer_system.hpp"

namespace kesora::chart_view {

class CupsPrinterSystem final : public PrinterSystem {
public:
    std::optional<DefaultPrinter> defaultPrinter() override;
    PrintJob submit(const DefaultPrinter& printer, const QString& pdfPath, const QString& title) override;
};

}  // namespace kesora::chart_view
