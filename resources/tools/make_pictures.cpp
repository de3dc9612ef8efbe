// Draws Kesora's window pictures and program icon from scratch:
//
//   kesora_make_pictures <output folder>      (run on any Qt platform, e.g. offscreen)
//
// Build target kesora_pictures_regenerate runs it into resources/pictures/.
// The pictures are committed, so building the program needs no fonts; run the
// tool again only after changing a drawing here.

#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace {

// A small deterministic generator, so every run draws the same paper.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state_(seed) {}
    double next() {  // uniform in [0, 1)
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 4294967296.0;
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint32_t state_;
};

// Smooth noise on a lattice that wraps at the tile's edge, so the tile also
// repeats without a seam where a window tiles it instead of stretching it.
class WrappingNoise {
public:
    WrappingNoise(int cells, Dice& dice) : cells_(cells), values_(cells * cells) {
        for (double& v : values_) v = dice.next() * 2 - 1;
    }
    double at(double u, double v) const {  // u, v in [0, 1)
        const double x = u * cells_, y = v * cells_;
        const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
        const double fx = smooth(x - x0), fy = smooth(y - y0);
        const double top = lerp(value(x0, y0), value(x0 + 1, y0), fx);
        const double bottom = lerp(value(x0, y0 + 1), value(x0 + 1, y0 + 1), fx);
        return lerp(top, bottom, fy);
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    static double lerp(double a, double b, double t) { return a + (b - a) * t; }
    double value(int x, int y) const {
        const int wx = ((x % cells_) + cells_) % cells_, wy = ((y % cells_) + cells_) % cells_;
        return values_[static_cast<std::size_t>(wy * cells_ + wx)];
    }
    int cells_;
    std::vector<double> values_;
};

int Clamp(double channel) { return std::clamp(static_cast<int>(std::lround(channel)), 0, 255); }

// Warm handmade paper: a cream ground, cloudy formation in two scales and a
// few long fibres. Stretched seven times over the chart window it stays a
// calm ground for the black cells.
QImage WashiTile() {
    constexpr int kSize = 64;
    Dice dice(0x6b65736f);
    const WrappingNoise coarse(4, dice), middle(8, dice), fine(32, dice);

    QImage tile(kSize, kSize, QImage::Format_RGB32);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double u = (x + 0.5) / kSize, v = (y + 0.5) / kSize;
            const double cloud = 0.55 * coarse.at(u, v) + 0.3 * middle.at(u, v) + 0.15 * fine.at(u, v);
            const double light = 9.0 * cloud;
            tile.setPixel(x, y, qRgb(Clamp(246 + light), Clamp(238 + light * 1.05), Clamp(220 + light * 1.2)));
        }
    }

    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn in all nine neighbouring tiles so that marks cross the edges seamlessly.
    const auto drawWrapped = [&painter](const QPainterPath& mark) {
        for (int dx = -kSize; dx <= kSize; dx += kSize)
            for (int dy = -kSize; dy <= kSize; dy += kSize) painter.drawPath(mark.translated(dx, dy));
    };
    for (int i = 0; i < 34; ++i) {
        const bool pale = i % 3 != 0;
        QColor colour = pale ? QColor(255, 252, 243) : QColor(205, 184, 150);
        colour.setAlphaF(pale ? dice.between(0.3, 0.55) : dice.between(0.12, 0.24));
        painter.setPen(QPen(colour, dice.between(0.4, 0.8), Qt::SolidLine, Qt::RoundCap));

        // A fibre wanders: two bends in random directions.
        const QPointF start(dice.between(0, kSize), dice.between(0, kSize));
        const double angle = dice.between(0, 2 * std::numbers::pi), length = dice.between(7, 20);
        const QPointF end = start + QPointF(std::cos(angle), std::sin(angle)) * length;
        const auto wobble = [&dice, length] {
            return QPointF(dice.between(-0.4, 0.4) * length, dice.between(-0.4, 0.4) * length);
        };
        QPainterPath fibre(start);
        fibre.cubicTo(start + (end - start) / 3 + wobble(), start + (end - start) * 2 / 3 + wobble(), end);
        drawWrapped(fibre);
    }
    // Specks of bark left in the pulp.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        painter.setBrush(QColor(150, 118, 80, static_cast<int>(dice.between(30, 60))));
        QPainterPath speck;
        const double radius = dice.between(0.35, 0.7);
        speck.addEllipse(QPointF(dice.between(0, kSize), dice.between(0, kSize)), radius * 1.6, radius);
        drawWrapped(speck);
    }
    return tile;
}

QFont ResolvedFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    if (QFontInfo(font).family() != family) {
        std::fprintf(stderr, "font %s is not installed\n", qPrintable(family));
        std::exit(1);
    }
    return font;
}

// A raised indigo button face with cream lettering, 90 × 33 like the cells' row height.
QImage PictureButton(const QString& caption) {
    QImage picture(90, 33, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRectF outer(0.5, 0.5, 89, 32);
    QPainterPath shadow;
    shadow.addRoundedRect(outer.translated(0, 0.5), 6, 6);
    painter.fillPath(shadow, QColor(60, 40, 20, 70));

    QPainterPath face;
    face.addRoundedRect(outer.adjusted(0, 0, 0, -1), 6, 6);
    QLinearGradient body(0, 0, 0, 32);
    body.setColorAt(0.0, QColor(78, 104, 156));
    body.setColorAt(0.48, QColor(44, 68, 118));
    body.setColorAt(0.52, QColor(36, 58, 106));
    body.setColorAt(1.0, QColor(26, 42, 82));
    painter.fillPath(face, body);
    painter.setPen(QPen(QColor(18, 28, 56), 1));
    painter.drawPath(face);

    // The bevel: a light rim along the top, as on a pressed-out key.
    QPainterPath rim;
    rim.addRoundedRect(outer.adjusted(1.5, 1.5, -1.5, -2.5), 5, 5);
    QLinearGradient rimShade(0, 0, 0, 32);
    rimShade.setColorAt(0.0, QColor(255, 255, 255, 120));
    rimShade.setColorAt(0.5, QColor(255, 255, 255, 20));
    rimShade.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(QPen(QBrush(rimShade), 1));
    painter.drawPath(rim);

    // A thin gold line inside the rim, like the edge of lacquer ware.
    QPainterPath inlay;
    inlay.addRoundedRect(outer.adjusted(3.5, 3.5, -3.5, -4.5), 3.5, 3.5);
    painter.setPen(QPen(QColor(214, 178, 98, 150), 0.8));
    painter.drawPath(inlay);

    painter.setFont(ResolvedFont(QStringLiteral("IPAPGothic"), 15, true));
    const QRectF text = outer.adjusted(0, 0, 0, -1);
    painter.setPen(QColor(10, 16, 36, 200));
    painter.drawText(text.translated(0, 1), Qt::AlignCenter, caption);
    painter.setPen(QColor(255, 246, 222));
    painter.drawText(text, Qt::AlignCenter, caption);
    return picture;
}

// A vermilion seal with 命 (fate) cut into it, as a name seal carries a name.
QImage ProgramIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const double s = size;
    const QRectF seal(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    QRadialGradient ink(seal.center() - QPointF(s * 0.15, s * 0.2), s * 0.8);
    ink.setColorAt(0.0, QColor(222, 74, 52));
    ink.setColorAt(1.0, QColor(170, 36, 28));
    QPainterPath body;
    body.addRoundedRect(seal, s * 0.16, s * 0.16);
    painter.fillPath(body, ink);

    const double rimWidth = std::max(1.0, s * 0.045);
    const double inset = s * 0.1;
    painter.setPen(QPen(QColor(255, 240, 222), rimWidth));
    painter.drawRoundedRect(seal.adjusted(inset, inset, -inset, -inset), s * 0.08, s * 0.08);

    // Small icons use a bold Gothic so the character stays readable; large ones the brush-like Mincho.
    const bool small = size < 64;
    QFont glyph = ResolvedFont(small ? QStringLiteral("IPAGothic") : QStringLiteral("IPAMincho"),
                               static_cast<int>(s * (small ? 0.6 : 0.62)), small);
    painter.setFont(glyph);
    painter.setPen(QColor(255, 244, 230));
    painter.drawText(seal.translated(0, small ? 0 : -s * 0.01), Qt::AlignCenter, QStringLiteral("命"));
    return icon;
}

bool Save(const QImage& image, const QDir& folder, const char* name) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const bool ok = Save(WashiTile(), folder, "washi_tile.png") &&
                    Save(PictureButton(QStringLiteral("命式印刷")), folder, "print_chart_button.png") &&
                    Save(PictureButton(QStringLiteral("月支元命")), folder, "principal_star_button.png") &&
                    Save(ProgramIcon(32), folder, "kesora_icon_32.png") &&
                    Save(ProgramIcon(256), folder, "kesora_icon_256.png");
    return ok ? 0 : 1;
}
