#include "stars/branch_stars.hpp"

#include "stars/star_table.hpp"

namespace kesora {

namespace {

constexpr StarTable<9, 12> kBranchStars{
    {"咸池", "劫殺", "孤辰", "寡宿", "血刃", "因獄", "亡神", "六害", "白虎殺"},
    {{
        {"子", {"酉", "巳", "寅", "戌", "戌", "午", "亥", "卯", "申"}},
        {"丑", {"午", "寅", "寅", "戌", "酉", "卯", "申", "子", "酉"}},
        {"寅", {"卯", "亥", "巳", "丑", "申", "子", "巳", "酉", "戌"}},
        {"卯", {"子", "申", "巳", "丑", "未", "酉", "寅", "午", "亥"}},
        {"辰", {"酉", "巳", "巳", "丑", "午", "午", "亥", "卯", "子"}},
        {"巳", {"午", "寅", "申", "辰", "巳", "卯", "申", "子", "丑"}},
        {"午", {"卯", "亥", "申", "辰", "辰", "子", "巳", "酉", "寅"}},
        {"未", {"子", "申", "申", "辰", "卯", "酉", "寅", "午", "卯"}},
        {"申", {"酉", "巳", "亥", "未", "寅", "午", "亥", "卯", "辰"}},
        {"酉", {"午", "寅", "亥", "未", "丑", "卯", "申", "子", "巳"}},
        {"戌", {"卯", "亥", "亥", "未", "子", "子", "巳", "酉", "午"}},
        {"亥", {"子", "申", "寅", "戌", "亥", "酉", "寅", "午", "未"}},
    }}};

}  // namespace

void AppendBranchSpecialStars(std::string& out, StemOrBranch key, StemOrBranch branch) {
    kBranchStars.append(out, key, branch);
}

void AppendBranchSpecialStars(std::string& out, std::string_view key, std::string_view branch) {
    AppendBranchSpecialStars(out, StemOrBranch::FromBranchName(key), StemOrBranch::FromBranchName(branch));
}

std::string BranchSpecialStars(std::string_view key, std::string_view branch) {
    std::string stars;
    AppendBranchSpecialStars(stars, key, branch);
    return stars;
}

}  // namespace kesora
