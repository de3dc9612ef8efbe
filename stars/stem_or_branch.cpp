#include "stars/stem_or_branch.hpp"

namespace kesora {

StemOrBranch StemOrBranch::FromStemName(std::string_view text) {
    const std::optional<int> index = StemIndex(text);
    return index ? Stem(*index) : StemOrBranch();
}

StemOrBranch StemOrBranch::FromBranchName(std::string_view text) {
    const std::optional<int> index = BranchIndex(text);
    return index ? Branch(*index) : StemOrBranch();
}

StemOrBranch StemOrBranch::FromName(std::string_view text) {
    const StemOrBranch stem = FromStemName(text);
    return stem.known() ? stem : FromBranchName(text);
}

}  // namespace kesora
