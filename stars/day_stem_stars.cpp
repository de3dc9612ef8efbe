#include "stars/day_stem_stars.hpp"

#include "stars/star_table.hpp"

namespace kesora {

namespace {

// The names are the program's own spelling: 大極, not 太極.
constexpr StarTable<8, 10> kDayStemStars{
    {"大極貴神", "天乙貴神", "福星貴神", "天厨貴神", "天官貴神", "暗禄", "羊刃", "飛刃"},
    {{
        {"甲", {"子 午", "丑 未", "寅", "巳", "酉", "亥", "卯", "酉"}},
        {"乙", {"子 午", "子 申", "丑 亥", "午", "申", "戌", "辰", "戌"}},
        {"丙", {"卯 酉", "酉 亥", "子 戌", "巳", "子", "申", "午", "子"}},
        {"丁", {"卯 酉", "酉 亥", "酉", "午", "亥", "未", "未", "丑"}},
        {"戊", {"辰 戌 丑 未", "丑 未", "申", "申", "卯", "申", "午", "子"}},
        {"己", {"辰 戌 丑 未", "子 申", "未", "酉", "寅", "未", "未", "丑"}},
        {"庚", {"寅 亥", "丑 未", "午", "亥", "午", "巳", "酉", "卯"}},
        {"辛", {"寅 亥", "寅 午", "巳", "子", "巳", "辰", "戌", "辰"}},
        {"壬", {"巳 申", "卯 巳", "辰", "寅", "丑 未", "寅", "子", "午"}},
        {"癸", {"巳 申", "卯 巳", "卯", "卯", "辰 戌", "丑", "丑", "未"}},
    }}};

}  // namespace

void AppendDayStemSpecialStars(std::string& out, StemOrBranch dayStem, StemOrBranch branch) {
    kDayStemStars.append(out, dayStem, branch);
}

void AppendDayStemSpecialStars(std::string& out, std::string_view dayStem, std::string_view branch) {
    AppendDayStemSpecialStars(out, StemOrBranch::FromStemName(dayStem), StemOrBranch::FromBranchName(branch));
}

std::string DayStemSpecialStars(std::string_view dayStem, std::string_view branch) {
    std::string stars;
    AppendDayStemSpecialStars(stars, dayStem, branch);
    return stars;
}

}  // namespace kesora
