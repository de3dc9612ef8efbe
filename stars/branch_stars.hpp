#pragma once
// Special stars fixed by a key branch:
// - nine stars (咸池, 劫殺, 孤辰, 寡宿, 血刃, 因獄, 亡神, 六害, 白虎殺) at one pillar branch each;
// - 駅馬, or 凶馬 for some pillar stems, at the travelling-horse branch of the day branch;
// - 華蓋 at the canopy branch of the key.
// Each gives a star list, stars in the order above.

#include <string>
#include <string_view>

#include "stars/stem_or_branch.hpp"

namespace kesora {

std::string BranchSpecialStars(std::string_view key, std::string_view branch);
void AppendBranchSpecialStars(std::string& out, std::string_view key, std::string_view branch);
void AppendBranchSpecialStars(std::string& out, StemOrBranch key, StemOrBranch branch);

// At most one item. An unknown stem still gives 駅馬.
std::string TravelHorseStar(std::string_view dayBranch, std::string_view stem, std::string_view branch);
void AppendTravelHorseStar(std::string& out, std::string_view dayBranch, std::string_view stem,
                           std::string_view branch);
void AppendTravelHorseStar(std::string& out, StemOrBranch dayBranch, StemOrBranch stem, StemOrBranch branch);

// At most one item.
std::string CanopyStar(std::string_view key, std::string_view branch);
void AppendCanopyStar(std::string& out, std::string_view key, std::string_view branch);
void AppendCanopyStar(std::string& out, StemOrBranch key, StemOrBranch branch);

}  // namespace kesora
