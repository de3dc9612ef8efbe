#pragma once

#include <functional>

namespace kesora::chart_view {

class ReadingWindowHost;

// The 月支元命 reading: fills the reading window with the introduction and the
// character reading chosen by the caption of the chart's month-pillar 地星
// cell (compared unchanged), plays the click, then shows the window, not modal.
// A second request refills the same window.
void ShowPrincipalStarReading(ReadingWindowHost& host, const std::function<void()>& playClickSound);

}  // namespace kesora::chart_view
