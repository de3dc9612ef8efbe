#include "stars/special_star_filler.hpp"

#include <array>

#include "stars/branch_stars.hpp"
#include "stars/day_stem_stars.hpp"
#include "stars/stem_or_branch.hpp"
#include "stars/virtue_stars.hpp"

namespace kesora {

namespace {

struct PillarCells {
    int stem, branch, hidden, box;
    bool looksForCanopy;
    bool looksForTravelHorse;
};

// 華蓋 is looked for only in the day and hour pillars, 駅馬/凶馬 in all but the day pillar.
constexpr std::array<PillarCells, 4> kPillars{{
    {cell::YearStem, cell::YearBranch, cell::YearHidden, cell::YearSpecial, false, true},
    {cell::MonthStem, cell::MonthBranch, cell::MonthHidden, cell::MonthSpecial, false, true},
    {cell::DayStem, cell::DayBranch, cell::DayHidden, cell::DaySpecial, true, false},
    {cell::HourStem, cell::HourBranch, cell::HourHidden, cell::HourSpecial, true, true},
}};
constexpr std::size_t kYear = 0, kMonth = 1, kDay = 2;

struct Pillar {
    StemOrBranch stem, branch, hidden;
};

// More than the longest box a chart can produce (under twenty items), so
// filling never reallocates.
constexpr std::size_t kBoxCapacity = 512;

}  // namespace

void FillSpecialStars(ChartSheet& sheet, std::string& box) {
    std::array<Pillar, kPillars.size()> pillars;
    for (std::size_t p = 0; p < kPillars.size(); ++p) {
        pillars[p] = {StemOrBranch::FromName(sheet.text(kPillars[p].stem)),
                      StemOrBranch::FromName(sheet.text(kPillars[p].branch)),
                      StemOrBranch::FromName(sheet.text(kPillars[p].hidden))};
    }
    const StemOrBranch dayStem = pillars[kDay].stem;
    const StemOrBranch dayBranch = pillars[kDay].branch;
    const StemOrBranch monthBranch = pillars[kMonth].branch;
    const StemOrBranch yearBranch = pillars[kYear].branch;

    box.reserve(kBoxCapacity);
    for (std::size_t p = 0; p < kPillars.size(); ++p) {
        const Pillar& pillar = pillars[p];
        box.clear();
        AppendDayStemSpecialStars(box, dayStem, pillar.branch);
        AppendMonthVirtueStars(box, monthBranch, pillar.stem);
        AppendMonthVirtueStars(box, monthBranch, pillar.hidden);
        AppendMonthVirtueStars(box, monthBranch, pillar.branch);
        if (kPillars[p].looksForCanopy) AppendCanopyStar(box, monthBranch, pillar.branch);
        AppendBranchSpecialStars(box, yearBranch, pillar.branch);
        AppendBranchSpecialStars(box, dayBranch, pillar.branch);
        if (kPillars[p].looksForTravelHorse) AppendTravelHorseStar(box, dayBranch, pillar.stem, pillar.branch);
        // One write per box, so the window redraws each box once.
        sheet.setText(kPillars[p].box, box);
    }
}

void FillSpecialStars(ChartSheet& sheet) {
    std::string box;
    FillSpecialStars(sheet, box);
}

}  // namespace kesora
