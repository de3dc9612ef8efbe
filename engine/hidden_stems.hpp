#pragma once
// Hidden stems of the branches, and the void pair of the day pillar.

#include <cstdint>
#include <string_view>

#include "pillars.hpp"

namespace kesora {

// Days from the solar-term entry of the birth month, or 21 for a birth before
// it. The late-night slot counts as the next day.
int DaysSinceEntry(std::int64_t day, std::string_view hourBoxText, int entryDay, EntryDayRule rule);

// The hidden stem a branch shows after `daysSinceEntry` (0..31) days; empty for
// anything that is not a branch or a count outside 0..31.
std::string_view HiddenStem(std::string_view branch, std::int64_t daysSinceEntry);

inline constexpr std::string_view kVoidPairError = "えらーですたいな";

// The two branches left over in the ten-day week of the day pillar (1..60).
std::string_view VoidPair(std::int64_t dayNumber);

}  // namespace kesora
