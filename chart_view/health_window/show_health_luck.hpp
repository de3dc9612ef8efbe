#pragma once
// The 健康運 command of the main window: casts the chart first when the chart
// window holds none, then fills the health-luck window from the chart and
// shows it when a chart is there.

#include <functional>

#include "engine/birth_data_form.hpp"
#include "engine/chart_sheet.hpp"

namespace kesora::chart_view {

class HealthWindowHost;

// What the command reaches beyond the chart and the health window. A hook left
// empty does nothing: without a tune there is nothing to stop or play.
struct HealthLuckHooks {
    // The main window's chart command: cast, special stars, click, show the chart window.
    std::function<void()> runChartCommand;
    std::function<void()> hideChartWindow;
    std::function<void()> playClickSound;
    std::function<void()> stopMusic;
    std::function<void()> playMusic;
};

void ShowHealthLuck(HealthWindowHost& host, const ChartSheet& sheet, BirthDataForm& form,
                    const HealthLuckHooks& hooks);

}  // namespace kesora::chart_view
