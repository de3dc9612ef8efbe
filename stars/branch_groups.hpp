#pragma once
// Tables keyed by the four groups of three branches (寅 午 戌, 巳 酉 丑,
// 申 子 辰, 亥 卯 未), spread at compile time over the twelve branches so a
// look-up is one index.

#include <array>
#include <cstddef>

#include "stars/name_set.hpp"
#include "stars/stem_or_branch.hpp"

namespace kesora {

// Row has a member `group` naming its branches; make(row) gives what each of them looks up.
template <class Entry, class Row, std::size_t Rows, class MakeEntry>
constexpr std::array<Entry, StemOrBranch::kBranchCount> SpreadOverBranches(const std::array<Row, Rows>& rows,
                                                                           MakeEntry make) {
    std::array<Entry, StemOrBranch::kBranchCount> byBranch{};
    std::array<bool, StemOrBranch::kBranchCount> seen{};
    for (const Row& row : rows) {
        const NameSet group(row.group);
        for (int b = 0; b < StemOrBranch::kBranchCount; ++b) {
            if (!group.contains(StemOrBranch::Branch(b))) continue;
            const auto at = static_cast<std::size_t>(b);
            if (seen[at]) throw "a branch is in two groups";
            seen[at] = true;
            byBranch[at] = make(row);
        }
    }
    for (bool found : seen)
        if (!found) throw "a branch is in no group";
    return byBranch;
}

}  // namespace kesora
