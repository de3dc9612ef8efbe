#pragma once
// A special-star rule table written the way it reads: one row per key (a stem
// or a branch), one column per star, each cell the names at which that star
// stands. It is checked and indexed at compile time, so a misspelt name, a
// missing or repeated key or an empty cell stops the build.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "stars/name_set.hpp"
#include "stars/star_list.hpp"
#include "stars/stem_or_branch.hpp"

namespace kesora {

template <std::size_t Stars>
struct StarRow {
    std::string_view key;
    std::array<std::string_view, Stars> cells;
};

template <std::size_t Stars, std::size_t Keys>
class StarTable {
public:
    constexpr StarTable(const std::array<std::string_view, Stars>& starNames,
                        const std::array<StarRow<Stars>, Keys>& rows)
        : stars_(StarItems(starNames)), keysAreStems_(StemOrBranchNamed(rows[0].key).isStem()) {
        const int keyCount = keysAreStems_ ? StemOrBranch::kStemCount : StemOrBranch::kBranchCount;
        if (static_cast<int>(Keys) != keyCount) throw "a star table needs one row per stem or per branch";
        std::array<bool, Keys> seen{};
        for (const StarRow<Stars>& row : rows) {
            const StemOrBranch key = StemOrBranchNamed(row.key);
            if (key.isStem() != keysAreStems_) throw "a star table mixes stem and branch keys";
            const auto at = static_cast<std::size_t>(key.index());
            if (seen[at]) throw "a star table has two rows for one key";
            seen[at] = true;
            for (std::size_t star = 0; star < Stars; ++star) {
                cells_[at][star] = NameSet(row.cells[star]);
                if (cells_[at][star].empty()) throw "a star table has an empty cell";
            }
        }
    }

    // Appends, in column order, the stars of the key's row that stand at value.
    void append(std::string& out, StemOrBranch key, StemOrBranch value) const {
        if (!(keysAreStems_ ? key.isStem() : key.isBranch())) return;
        const std::array<NameSet, Stars>& row = cells_[static_cast<std::size_t>(key.index())];
        for (std::size_t star = 0; star < Stars; ++star)
            if (row[star].contains(value)) AppendStarItem(out, stars_[star]);
    }

private:
    std::array<StarItem, Stars> stars_;
    bool keysAreStems_;
    std::array<std::array<NameSet, Stars>, Keys> cells_{};
};

}  // namespace kesora
