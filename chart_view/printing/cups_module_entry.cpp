// The entry point of the printing-system module.

#include "chart_view/printing/cups_printer_system.hpp"

extern "C" __attribute__((visibility("default"))) kesora::chart_view::PrinterSystem* kesora_create_printer_system() {
    return new kesora::chart_view::CupsPrinterSystem();
}
