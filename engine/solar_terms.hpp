#pragma once
// The built-in table of solar-term entry days.

#include <cstdint>

namespace kesora {

// Day of month m (1..12) of year Y on which that month's solar term begins.
// Years outside 1912..2018 (and months outside 1..12) use the default row.
int LookUpEntryDay(std::int64_t westernYear, std::int64_t month);

}  // namespace kesora
