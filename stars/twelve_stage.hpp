#pragma once
// The twelve-stage star (十二運星, shown as 補運) of a stem at a branch.

#include <array>
#include <string_view>

#include "stars/stem_or_branch.hpp"

namespace kesora {

// In the order a stem passes through them, starting at 長生.
inline constexpr std::array<std::string_view, 12> kTwelveStages{
    "長生", "沐浴", "冠帯", "建禄", "帝旺", "衰", "病", "死", "墓", "絶", "胎", "養"};

// One of kTwelveStages; empty unless the stem and the branch are exactly such names.
std::string_view TwelveStageStar(std::string_view stem, std::string_view branch);
std::string_view TwelveStageStar(StemOrBranch stem, StemOrBranch branch);

}  // namespace kesora
