#include "stars/ten_god.hpp"

namespace kesora {

namespace {

// Stems go in pairs, yang then yin, through wood, fire, earth, metal and water.
constexpr int ElementOf(int stem) { return stem / 2; }
constexpr int PolarityOf(int stem) { return stem % 2; }

}  // namespace

std::string_view TenGodStar(StemOrBranch dayStem, StemOrBranch otherStem) {
    if (!dayStem.isStem() || !otherStem.isStem()) return {};
    const int day = dayStem.index();
    const int other = otherStem.index();
    // Steps around the cycle of generation from the day stem's element to the
    // other's: same, produced, controlled, controlling, producing. Each
    // relation names two stars, the first for a stem of the day stem's polarity.
    const auto relation = FloorMod(ElementOf(other) - ElementOf(day), 5);
    const auto star = 2 * relation + (PolarityOf(day) == PolarityOf(other) ? 0 : 1);
    return kTenGodStars[static_cast<std::size_t>(star)];
}

std::string_view TenGodStar(std::string_view dayStem, std::string_view otherStem) {
    return TenGodStar(StemOrBranch::FromStemName(dayStem), StemOrBranch::FromStemName(otherStem));
}

}  // namespace kesora
