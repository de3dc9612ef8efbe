#include "chart_view/printing/qt_pdf_file_chooser.hpp"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace kesora::chart_view {

std::optional<QString> QtPdfFileChooser::choosePdfPath(QWidget* parent, const QString& suggestedName) {
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("命式をPDFファイルに保存"),
                                                QDir::home().filePath(suggestedName),
                                                QStringLiteral("PDFファイル (*.pdf)"));
    if (path.isEmpty()) return std::nullopt;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    return path;
}

}  // namespace kesora::chart_view
