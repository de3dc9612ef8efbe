#include "stars/branch_groups.hpp"
#include "stars/branch_stars.hpp"
#include "stars/star_list.hpp"

namespace kesora {

namespace {

struct TravelHorseRow {
    std::string_view group;         // the day branch's group
    std::string_view horseBranch;   // the pillar branch that carries the star
    std::string_view ominousStems;  // pillar stems that make it 凶馬
};

constexpr std::array<TravelHorseRow, 4> kTravelHorseRows{{
    {"寅 午 戌", "申", "丙 壬"},
    {"巳 酉 丑", "亥", "壬 辛"},
    {"申 子 辰", "寅", "戊 庚"},
    {"亥 卯 未", "巳", ""},
}};

struct TravelHorse {
    StemOrBranch horseBranch;
    NameSet ominousStems;
};

constexpr auto kTravelHorseByDayBranch = SpreadOverBranches<TravelHorse>(
    kTravelHorseRows, [](const TravelHorseRow& row) {
        return TravelHorse{StemOrBranchNamed(row.horseBranch), NameSet(row.ominousStems)};
    });

constexpr StarItem kTravelHorseItem{"駅馬"};
constexpr StarItem kOminousHorseItem{"凶馬"};

}  // namespace

void AppendTravelHorseStar(std::string& out, StemOrBranch dayBranch, StemOrBranch stem, StemOrBranch branch) {
    if (!dayBranch.isBranch() || !branch.isBranch()) return;
    const TravelHorse& horse = kTravelHorseByDayBranch[static_cast<std::size_t>(dayBranch.index())];
    if (branch != horse.horseBranch) return;
    AppendStarItem(out, horse.ominousStems.contains(stem) ? kOminousHorseItem : kTravelHorseItem);
}

void AppendTravelHorseStar(std::string& out, std::string_view dayBranch, std::string_view stem,
                           std::string_view branch) {
    AppendTravelHorseStar(out, StemOrBranch::FromBranchName(dayBranch), StemOrBranch::FromStemName(stem),
                          StemOrBranch::FromBranchName(branch));
}

std::string TravelHorseStar(std::string_view dayBranch, std::string_view stem, std::string_view branch) {
    std::string stars;
    AppendTravelHorseStar(stars, dayBranch, stem, branch);
    return stars;
}

}  // namespace kesora
