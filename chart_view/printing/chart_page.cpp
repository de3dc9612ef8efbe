#include "chart_view/printing/chart_page.hpp"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

namespace kesora::chart_view {

bool WriteChartPdf(QWidget& window, const QString& path, const QPageLayout& page, int resolution) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(resolution);
    printer.setPageLayout(page);
    printer.setCreator(QStringLiteral("Kesora"));
    printer.setDocName(QStringLiteral("命式"));

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // Device pixels of the printable area, with the painter's origin at its top-left corner.
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    const QSizeF client = window.size();
    const qreal scale = std::min(area.width() / client.width(), area.height() / client.height());
    painter.translate((area.width() - client.width() * scale) / 2, 0);
    painter.scale(scale, scale);
    // Rendered straight onto a printer, a widget goes through a raster image of
    // the page (stored as a JPEG in a PDF). Recorded as drawing commands first
    // and replayed here, text and frames reach the printer as text and lines,
    // drawn at its own resolution.
    QPicture drawing;
    window.render(&drawing, QPoint(), QRegion(window.rect()), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    // Replaying a drawing scales it by the printer's resolution over the screen's; undo that.
    painter.scale(qreal(drawing.logicalDpiX()) / printer.logicalDpiX(),
                  qreal(drawing.logicalDpiY()) / printer.logicalDpiY());
    painter.drawPicture(0, 0, drawing);
    return painter.end();
}

}  // namespace kesora::chart_view
