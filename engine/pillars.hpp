#pragma once
// The four pillars as cycle numbers and names.

#include <array>
#include <cstdint>
#include <string_view>

namespace kesora {

// To which month the solar-term entry day itself belongs.
enum class EntryDayRule { CurrentMonth, PreviousMonth };

struct YearMonthPillars {
    bool movedBack = false;      // born before the solar-term month of the calendar month began
    int pillarMonth = 1;         // 1..12, calendar month whose solar-term month holds the birth
    std::int64_t pillarYear = 0; // Western year whose 立春 opened the birth's year
    int yearNumber = 0;          // 0..59
    int monthNumber = 1;         // 1..60
};

YearMonthPillars ComputeYearMonthPillars(std::int64_t westernYear, std::int64_t month,
                                         std::int64_t day, int entryDay, EntryDayRule rule);

// Cycle number 1..60 of the day pillar. Month and day are taken arithmetically,
// so 31 February is 3 March (2 March in a leap year); exact for every
// proleptic Gregorian date.
int DayNumber(std::int64_t westernYear, std::int64_t month, std::int64_t day);

// The thirteen two-hour slots of the hour box, in list order.
inline constexpr std::array<std::string_view, 13> kHourSlots{
    "24時～1時",   "1時～3時",   "3時～5時",   "5時～7時",   "7時～9時",
    "9時～11時",   "11時～13時", "13時～15時", "15時～17時", "17時～19時",
    "19時～21時",  "21時～23時", "23時～24時"};

// The late-night slot keeps the entered day but takes the next day's 子 hour.
inline constexpr std::string_view kLateNightSlot = "23時～24時";

struct HourPillar {
    std::string_view stem;    // empty when the hour is unknown
    std::string_view branch;  // empty when the hour is unknown
};

// The hour box text is compared with the slots exactly.
HourPillar ComputeHourPillar(std::string_view hourBoxText, int dayNumber);

}  // namespace kesora
