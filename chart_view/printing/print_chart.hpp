#pragma once
// The 命式印刷 command: after a Yes, prints the chart window without its two
// picture buttons to the default printer as one job, and only then asks how
// the printout came out. With no printer it offers to save the same page as a
// PDF file; a job the printer system refuses is reported as such.

#include "engine/message_boxes.hpp"

namespace kesora::chart_view {

class Form11;
class PdfFileChooser;
class PrinterSystem;

void PrintChart(Form11& window, MessageBoxes& boxes, PrinterSystem& printers, PdfFileChooser& pdfFiles);

}  // namespace kesora::chart_view
