#pragma once
// The ten-god star (通変星): how another stem of the chart stands to the day stem.

#include <array>
#include <string_view>

#include "stars/stem_or_branch.hpp"

namespace kesora {

inline constexpr std::array<std::string_view, 10> kTenGodStars{
    "比肩", "劫財", "食神", "傷官", "偏財", "正財", "偏官", "正官", "偏印", "印綬"};

// One of kTenGodStars; empty unless both are exactly stem names.
std::string_view TenGodStar(std::string_view dayStem, std::string_view otherStem);
std::string_view TenGodStar(StemOrBranch dayStem, StemOrBranch otherStem);

}  // namespace kesora
