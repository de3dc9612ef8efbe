#include "stars/branch_groups.hpp"
#include "stars/branch_stars.hpp"
#include "stars/star_list.hpp"

namespace kesora {

namespace {

struct CanopyRow {
    std::string_view group;          // the key branch's group
    std::string_view canopyBranch;   // the pillar branch that carries 華蓋
};

constexpr std::array<CanopyRow, 4> kCanopyRows{{
    {"寅 午 戌", "戌"},
    {"巳 酉 丑", "丑"},
    {"申 子 辰", "辰"},
    {"亥 卯 未", "未"},
}};

constexpr auto kCanopyBranchByKey = SpreadOverBranches<StemOrBranch>(
    kCanopyRows, [](const CanopyRow& row) { return StemOrBranchNamed(row.canopyBranch); });

constexpr StarItem kCanopyItem{"華蓋"};

}  // namespace

void AppendCanopyStar(std::string& out, StemOrBranch key, StemOrBranch branch) {
    if (!key.isBranch() || !branch.isBranch()) return;
    if (branch == kCanopyBranchByKey[static_cast<std::size_t>(key.index())]) AppendStarItem(out, kCanopyItem);
}

void AppendCanopyStar(std::string& out, std::string_view key, std::string_view branch) {
    AppendCanopyStar(out, StemOrBranch::FromBranchName(key), StemOrBranch::FromBranchName(branch));
}

std::string CanopyStar(std::string_view key, std::string_view branch) {
    std::string stars;
    AppendCanopyStar(stars, key, branch);
    return stars;
}

}  // namespace kesora
