#include "chart_view/chart_window/fit_caption.hpp"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

namespace kesora::chart_view {

namespace {

// Narrower than this reads as squeezed; such a caption is cut instead.
constexpr int kNarrowestStretch = 70;

int Advance(const QFont& font, const QString& text) { return QFontMetrics(font).horizontalAdvance(text); }

}  // namespace

void FitCaptionToWidth(QLabel* label) {
    if (label->wordWrap() || label->text().contains(QLatin1Char('\n'))) return;
    QFont font = label->font();
    font.setStretch(QFont::AnyStretch);
    const int room = label->contentsRect().width();
    const int natural = Advance(font, label->text());
    if (natural > room && room > 0) {
        int stretch = std::max(kNarrowestStretch, room * 100 / natural);
        font.setStretch(stretch);
        // Glyph advances round to whole pixels, so the first guess may still be a pixel over.
        while (stretch > kNarrowestStretch && Advance(font, label->text()) > room) font.setStretch(--stretch);
    }
    if (font != label->font()) label->setFont(font);
}

}  // namespace kesora::chart_view
