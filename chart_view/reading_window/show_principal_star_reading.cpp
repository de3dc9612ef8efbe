#include "chart_view/reading_window/show_principal_star_reading.hpp"

#include <QLabel>

#include "chart_view/reading_window/reading_window.hpp"
#include "chart_view/reading_window/reading_window_host.hpp"
#include "chart_view/readings/principal_star_reading.hpp"
#include "chart_view/readings/reading_introduction.hpp"
#include "chart_view/text_boxes/text_boxes.hpp"

namespace kesora::chart_view {

void ShowPrincipalStarReading(ReadingWindowHost& host, const std::function<void()>& playClickSound) {
    Form15* window = host.load();
    window->setWindowTitle(QStringLiteral("月支元命"));
    window->label("Label1")->setText(QStringLiteral("月支元命とは"));
    window->label("Label2")->setText(QStringLiteral("あなたの特性"));
    SetBoxText(window->textBox("Text1"), kPrincipalStarIntroduction);

    const std::string& star = host.sheet().text(cell::MonthHiddenStar);
    SetBoxText(window->textBox("Text2"), PrincipalStarReading(star));
    window->label("Label3")->setText(QString::fromStdString(star));

    if (playClickSound) playClickSound();
    const bool wasShown = window->isVisible();
    window->show();
    if (wasShown) window->raise();
    window->activateWindow();
}

}  // namespace kesora::chart_view
