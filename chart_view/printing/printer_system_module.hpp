#pragma once
// The printers of the system through a module of its own, so the printing
// system's libraries load only when the user first prints.

#include <memory>
#include <string>

#include "chart_view/printing/printer_system.hpp"

namespace kesora::chart_view {

inline constexpr const char* kPrinterModuleFile = "libkesora_cups.so";

// The printers from the module in `programFolder`; without the module, a
// system with no printer, so printing offers the PDF file instead.
std::unique_ptr<PrinterSystem> LoadPrinterSystem(const std::string& programFolder);

}  // namespace kesora::chart_view
