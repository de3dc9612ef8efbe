#pragma once
// The chart window on paper: its client area as drawn on the screen, hidden
// controls left out, scaled to the page's printable width (or height, if that
// is the tighter) and drawn at the printer's own resolution, so that text and
// lines stay sharp.

#include <QPageLayout>
#include <QString>

class QWidget;

namespace kesora::chart_view {

// Writes one PDF page with `window` on it. False when the file cannot be written.
bool WriteChartPdf(QWidget& window, const QString& path, const QPageLayout& page, int resolution);

}  // namespace kesora::chart_view
