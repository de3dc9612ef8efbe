#pragma once
// The virtue stars fixed by the month branch: 天徳貴神, 月徳貴神 and their
// partners 天徳合, 月徳合, each carried by whichever stem, hidden stem or branch
// of the chart the month names for it.

#include <string>
#include <string_view>

#include "stars/stem_or_branch.hpp"

namespace kesora {

// The star list of one value of a pillar (its stem, hidden stem or branch), stars in the order above.
std::string MonthVirtueStars(std::string_view monthBranch, std::string_view value);
void AppendMonthVirtueStars(std::string& out, std::string_view monthBranch, std::string_view value);
void AppendMonthVirtueStars(std::string& out, StemOrBranch monthBranch, StemOrBranch value);

}  // namespace kesora
