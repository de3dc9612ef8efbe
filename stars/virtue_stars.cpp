#include "stars/virtue_stars.hpp"

#include "stars/star_table.hpp"

namespace kesora {

namespace {

// Rows in the order of the months from spring; a cell is a stem, or in the
// months 子 卯 午 酉 for the heavenly pair a branch, and matches only that name.
constexpr StarTable<4, 12> kVirtueStars{
    {"天徳貴神", "月徳貴神", "天徳合", "月徳合"},
    {{
        {"寅", {"丁", "丙", "壬", "辛"}},
        {"卯", {"申", "甲", "巳", "己"}},
        {"辰", {"壬", "壬", "丁", "丁"}},
        {"巳", {"辛", "庚", "丙", "乙"}},
        {"午", {"亥", "丙", "寅", "辛"}},
        {"未", {"甲", "甲", "己", "己"}},
        {"申", {"癸", "壬", "戊", "丁"}},
        {"酉", {"寅", "庚", "亥", "乙"}},
        {"戌", {"丙", "丙", "辛", "辛"}},
        {"亥", {"乙", "甲", "庚", "己"}},
        {"子", {"巳", "壬", "申", "丁"}},
        {"丑", {"庚", "庚", "乙", "乙"}},
    }}};

}  // namespace

void AppendMonthVirtueStars(std::string& out, StemOrBranch monthBranch, StemOrBranch value) {
    kVirtueStars.append(out, monthBranch, value);
}

void AppendMonthVirtueStars(std::string& out, std::string_view monthBranch, std::string_view value) {
    AppendMonthVirtueStars(out, StemOrBranch::FromBranchName(monthBranch), StemOrBranch::FromName(value));
}

std::string MonthVirtueStars(std::string_view monthBranch, std::string_view value) {
    std::string stars;
    AppendMonthVirtueStars(stars, monthBranch, value);
    return stars;
}

}  // namespace kesora
