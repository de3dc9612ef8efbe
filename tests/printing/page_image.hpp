#pragma once
// Looking at a printed page as a person would: the PDF rendered to pixels by
// poppler's tools, and the chart window's controls found on it by their twips.

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>

#include "forms/twips.hpp"

namespace kesora::testing {

// Runs a poppler tool; its standard output, or nothing when it cannot run or fails.
inline std::optional<QByteArray> RunPopplerTool(const QString& tool, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(tool).isEmpty()) return std::nullopt;
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

// "Pages:" of pdfinfo, or -1.
inline int PdfPageCount(const QString& pdf) {
    const auto info = RunPopplerTool(QStringLiteral("pdfinfo"), {pdf});
    if (!info) return -1;
    for (const QByteArray& line : info->split('\n'))
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    return -1;
}

// The first page at `dpi`; a null image when it cannot be rendered.
inline QImage RenderFirstPage(const QString& pdf, int dpi) {
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    if (!RunPopplerTool(QStringLiteral("pdftoppm"),
                        {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QStringLiteral("1"),
                         QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, base}))
        return {};
    return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

using PixelTest = std::function<bool(QColor)>;

inline bool IsPaperWhite(QColor c) { return c.red() > 248 && c.green() > 248 && c.blue() > 248; }
// The picture buttons' dark blue face.
inline bool IsButtonBlue(QColor c) {
    return c.blue() >= 50 && c.red() < 100 && c.blue() > c.red() + 30 && c.blue() > c.green() + 20;
}
// Black caption text.
inline bool IsInk(QColor c) { return c.red() < 90 && c.green() < 90 && c.blue() < 90; }
inline bool IsHeaderCyan(QColor c) { return c.red() > 100 && c.red() < 160 && c.green() > 230 && c.blue() > 230; }
inline bool IsMarkOrange(QColor c) {
    return c.red() > 220 && c.green() > 90 && c.green() < 170 && c.blue() < 70;
}

inline int CountPixels(const QImage& image, QRect area, const PixelTest& test) {
    int count = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y))) ++count;
    return count;
}

// The smallest rectangle around everything that is not blank paper.
inline QRect DrawnArea(const QImage& page) {
    QRect drawn;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (!IsPaperWhite(page.pixelColor(x, y))) drawn |= QRect(x, y, 1, 1);
    return drawn;
}

// Where a control of a window `clientTwips` large lies on an image of that
// window drawn into `drawn`.
inline QRect Place(const forms::Twips& control, QSize clientTwips, QRect drawn) {
    const double sx = double(drawn.width()) / clientTwips.width();
    const double sy = double(drawn.height()) / clientTwips.height();
    return QRect(drawn.left() + int(control.left * sx), drawn.top() + int(control.top * sy),
                 int(control.width * sx), int(control.height * sy));
}

}  // namespace kesora::testing
