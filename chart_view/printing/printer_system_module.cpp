#include "chart_view/printing/printer_system_module.hpp"

#include "modules/program_module.hpp"

namespace kesora::chart_view {

namespace {

class NoPrinters final : public PrinterSystem {
public:
    std::optional<DefaultPrinter> defaultPrinter() override { return std::nullopt; }
    PrintJob submit(const DefaultPrinter&, const QString&, const QString&) override { return {}; }
};

}  // namespace

std::unique_ptr<PrinterSystem> LoadPrinterSystem(const std::string& programFolder) {
    using Create = PrinterSystem* (*)();
    if (auto create = reinterpret_cast<Create>(
            ProgramModuleSymbol(programFolder, kPrinterModuleFile, "kesora_create_printer_system")))
        if (PrinterSystem* printers = create()) return std::unique_ptr<PrinterSystem>(printers);
    return std::make_unique<NoPrinters>();
}

}  // namespace kesora::chart_view
