#pragma once
// What a printed chart page must show, checked on the pixels of its PDF: one
// page, the whole chart window undistorted and filling the page, the cells
// with their colours and captions, and neither picture button.

#include <QStringList>

#include "chart_view/chart_window/chart_window_layout.hpp"
#include "tests/printing/page_image.hpp"

namespace kesora::testing {

struct PrintedChartExpectations {
    bool hourShown = true;     // the hour pillar's cells are visible
    bool markedOrange = false; // the month pillar's 地星 cell is orange
};

// Empty when the page is right; otherwise what is wrong with it.
inline QStringList ProblemsWithPrintedChart(const QString& pdf, PrintedChartExpectations expected) {
    const QSize chartTwips(chart_view::kClientWidthTwips, chart_view::kClientHeightTwips);
    QStringList problems;
    const int pages = PdfPageCount(pdf);
    if (pages != 1) problems << QStringLiteral("%1 pages (pdfinfo from poppler-utils)").arg(pages);
    const QImage page = RenderFirstPage(pdf, 60);
    if (page.isNull()) return problems << QStringLiteral("page not rendered (pdftoppm from poppler-utils)");

    const QRect drawn = DrawnArea(page);
    const double aspect = double(drawn.width()) / drawn.height();
    if (qAbs(aspect / (double(chartTwips.width()) / chartTwips.height()) - 1) >= 0.03)
        problems << QStringLiteral("chart drawn %1×%2, out of proportion").arg(drawn.width()).arg(drawn.height());
    const double filled = std::max(double(drawn.width()) / page.width(), double(drawn.height()) / page.height());
    if (filled <= 0.8) problems << QStringLiteral("chart fills only %1 of the page").arg(filled);

    const auto count = [&](const forms::Twips& where, const PixelTest& test) {
        return CountPixels(page, Place(where, chartTwips, drawn), test);
    };
    const auto expect = [&](bool condition, const char* what) {
        if (!condition) problems << QString::fromUtf8(what);
    };
    const forms::Twips monthPillarHeader{3120, 780, 1095, 495};
    const QRect header = Place(monthPillarHeader, chartTwips, drawn);
    expect(count(monthPillarHeader, IsHeaderCyan) > header.width() * header.height() / 2, "月柱 header not cyan");
    expect(count({1980, 1440, 615, 465}, IsInk) > 10, "no day stem");
    expect(count({645, 6000, 1290, 495}, IsInk) > 10, "no void pair");
    expect((count({600, 1440, 615, 465}, IsInk) > 10) == expected.hourShown,
           expected.hourShown ? "no hour stem" : "an hour stem where the hour is unknown");
    expect((count({3180, 3840, 975, 495}, IsMarkOrange) > 10) == expected.markedOrange,
           expected.markedOrange ? "month 地星 not orange" : "month 地星 orange");
    expect(count({2250, 6000, 1350, 495}, IsButtonBlue) == 0, "the 命式印刷 button is printed");
    expect(count({3840, 6000, 1350, 495}, IsButtonBlue) == 0, "the 月支元命 button is printed");
    return problems;
}

}  // namespace kesora::testing
