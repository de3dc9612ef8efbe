#pragma once
// A cast chart sheet written out as the chart window lays it, or as JSON.

#include <string>

#include "engine/chart_sheet.hpp"

namespace kesora::cast {

// The window's grid for a terminal: 時柱 on the left … 年柱 on the right,
// hidden cells left blank, wide characters counted as two columns.
std::string ChartAsText(const ChartSheet& sheet);

// {"name","era","year","month","day","hour","void","pillars":{…}}; the hour
// pillar (and the heading hour) is null while its cells are hidden.
std::string ChartAsJson(const ChartSheet& sheet);

}  // namespace kesora::cast
