#pragma once
// The message box that shows a pillar's whole special-star list; its cell in
// the chart window is too short for more than the first few stars.

#include <string_view>

#include "engine/chart_sheet.hpp"
#include "engine/message_boxes.hpp"

namespace kesora::chart_view {

// "＜年柱特殊星＞" and so on for the four special-star cells; empty for any other cell.
std::string_view SpecialStarHeading(int label);

// Shows the heading, an empty line and the cell's text as it stands (OK, no icon).
// Does nothing for a cell that is not a special-star cell.
void ShowSpecialStarBox(MessageBoxes& boxes, const ChartSheet& sheet, int label);

}  // namespace kesora::chart_view
