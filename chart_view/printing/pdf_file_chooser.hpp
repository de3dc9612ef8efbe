#pragma once
// Where to save the chart as a PDF file when there is no printer: a file
// dialog in the program, a script in tests.

#include <QString>
#include <optional>

class QWidget;

namespace kesora::chart_view {

class PdfFileChooser {
public:
    virtual ~PdfFileChooser() = default;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> choosePdfPath(QWidget* parent, const QString& suggestedName) = 0;
};

}  // namespace kesora::chart_view
