#pragma once
// The eight special stars fixed by the day stem: 大極貴神, 天乙貴神, 福星貴神,
// 天厨貴神, 天官貴神, 暗禄, 羊刃 and 飛刃, carried by a pillar whose branch the
// day stem names for them.

#include <string>
#include <string_view>

#include "stars/stem_or_branch.hpp"

namespace kesora {

// The star list of the pillar with this branch, stars in the order above.
std::string DayStemSpecialStars(std::string_view dayStem, std::string_view branch);
void AppendDayStemSpecialStars(std::string& out, std::string_view dayStem, std::string_view branch);
void AppendDayStemSpecialStars(std::string& out, StemOrBranch dayStem, StemOrBranch branch);

}  // namespace kesora
