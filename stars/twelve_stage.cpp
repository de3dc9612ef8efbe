#include "stars/twelve_stage.hpp"

#include "stars/name_set.hpp"

namespace kesora {

namespace {

// Where each stem, in stem order, stands at 長生.
constexpr std::array<StemOrBranch, 10> kBirthBranches{
    StemOrBranchNamed("亥"), StemOrBranchNamed("午"),  // 甲 乙
    StemOrBranchNamed("寅"), StemOrBranchNamed("酉"),  // 丙 丁
    StemOrBranchNamed("寅"), StemOrBranchNamed("酉"),  // 戊 己
    StemOrBranchNamed("巳"), StemOrBranchNamed("子"),  // 庚 辛
    StemOrBranchNamed("申"), StemOrBranchNamed("卯"),  // 壬 癸
};

constexpr bool IsYang(int stem) { return stem % 2 == 0; }

}  // namespace

std::string_view TwelveStageStar(StemOrBranch stem, StemOrBranch branch) {
    if (!stem.isStem() || !branch.isBranch()) return {};
    const int birth = kBirthBranches[static_cast<std::size_t>(stem.index())].index();
    // Yang stems move forward through the branches, yin stems backward.
    const int steps = IsYang(stem.index()) ? branch.index() - birth : birth - branch.index();
    return kTwelveStages[static_cast<std::size_t>(FloorMod(steps, 12))];
}

std::string_view TwelveStageStar(std::string_view stem, std::string_view branch) {
    return TwelveStageStar(StemOrBranch::FromStemName(stem), StemOrBranch::FromBranchName(branch));
}

}  // namespace kesora
