#include "chart_view/chart_window/special_star_box.hpp"

#include <string>

namespace kesora::chart_view {

std::string_view SpecialStarHeading(int label) {
    switch (label) {
    case cell::HourSpecial: return "＜時柱特殊星＞";
    case cell::DaySpecial: return "＜日柱特殊星＞";
    case cell::MonthSpecial: return "＜月柱特殊星＞";
    case cell::YearSpecial: return "＜年柱特殊星＞";
    default: return {};
    }
}

void ShowSpecialStarBox(MessageBoxes& boxes, const ChartSheet& sheet, int label) {
    const std::string_view heading = SpecialStarHeading(label);
    if (heading.empty()) return;
    std::string text(heading);
    text += kLineBreak;
    text += kLineBreak;  // the empty line between heading and stars
    text += sheet.text(label);
    boxes.notify(kChartTitle, text);
}

}  // namespace kesora::chart_view
