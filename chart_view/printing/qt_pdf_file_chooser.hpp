#pragma once
// The save-file dialog for the chart's PDF file.

#include "chart_view/printing/pdf_file_chooser.hpp"

namespace kesora::chart_view {

class QtPdfFileChooser final : public PdfFileChooser {
public:
    std::optional<QString> choosePdfPath(QWidget* parent, const QString& suggestedName) override;
};

}  // namespace kesora::chart_view
