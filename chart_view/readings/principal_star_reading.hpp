#pragma once

#include <string>
#include <string_view>

namespace kesora {

// The character reading for the caption of the month pillar's 地星 cell, ready
// for the reading window. The caption is compared unchanged, so one with a blank
// around the star name matches no star; the reading is then empty.
std::string PrincipalStarReading(std::string_view caption);

}  // namespace kesora
