#include "pillars.hpp"

#include "cycle.hpp"

namespace kesora {

YearMonthPillars ComputeYearMonthPillars(std::int64_t westernYear, std::int64_t month,
                                         std::int64_t day, int entryDay, EntryDayRule rule) {
    YearMonthPillars p;
    const int m = static_cast<int>(FloorMod(month - 1, 12)) + 1;
    p.movedBack = rule == EntryDayRule::CurrentMonth ? day < entryDay : day <= entryDay;
    p.pillarMonth = p.movedBack ? (m == 1 ? 12 : m - 1) : m;
    // January always lies before 立春; February only when born before it.
    p.pillarYear = (m == 1 || (m == 2 && p.movedBack)) ? westernYear - 1 : westernYear;
    p.yearNumber = static_cast<int>(FloorMod(CycleYear(p.pillarYear), 60));
    const int positionFromTiger = p.pillarMonth == 1 ? 12 : p.pillarMonth - 1;
    p.monthNumber = 12 * StemGroup(p.yearNumber) + 2 + positionFromTiger;
    if (p.monthNumber > 60) p.monthNumber -= 60;
    return p;
}

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (month 1..12).
std::int64_t DaysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// 1949-10-01 is a 甲子 day, cycle number 1.
const std::int64_t kKnownJiaziDay = DaysFromCivil(1949, 10, 1);

}  // namespace

int DayNumber(std::int64_t westernYear, std::int64_t month, std::int64_t day) {
    const std::int64_t year = westernYear + (month - 1 - FloorMod(month - 1, 12)) / 12;
    const std::int64_t m = FloorMod(month - 1, 12) + 1;
    const std::int64_t days = DaysFromCivil(year, m, 1) + (day - 1);
    return static_cast<int>(FloorMod(days - kKnownJiaziDay, 60)) + 1;
}

namespace {

// Position of each slot used for the hour stem; the late-night slot counts as
// the next day's 子 hour, two stems on.
constexpr std::array<int, 13> kHourNumbers{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 3};

}  // namespace

HourPillar ComputeHourPillar(std::string_view hourBoxText, int dayNumber) {
    for (std::size_t slot = 0; slot < kHourSlots.size(); ++slot) {
        if (kHourSlots[slot] != hourBoxText) continue;
        const int hourNumber = kHourNumbers[slot];
        int stemIndex = hourNumber + 2 * StemGroup(dayNumber);
        while (stemIndex > 10) stemIndex -= 10;
        return {kStems[static_cast<std::size_t>(stemIndex - 1)], kBranches[slot % 12]};
    }
    return {};
}

}  // namespace kesora
