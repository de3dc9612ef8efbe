#pragma once
// Fills the chart's four special-star boxes from the stems and branches its
// cells hold. Whatever the cells hold is used as it stands, also after a
// refused run; texts that are no stem or branch name match no star.

#include <string>

#include "engine/chart_sheet.hpp"

namespace kesora {

void FillSpecialStars(ChartSheet& sheet);

// The same, building each box in `box` (its text on return is unspecified),
// for callers that fill many charts and keep one buffer.
void FillSpecialStars(ChartSheet& sheet, std::string& box);

}  // namespace kesora
