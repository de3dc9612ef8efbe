#pragma once
// A special-star rule table written the way it reads: one row per key (a stem
// or a branch), one column per star, each cell the names at which that star
// stands. It is checked and indexed at compile time, so a misspelt name, a
// missing or repeated key or an empty cell stops the build.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
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
                const NameSet cell(row.cells[star]);
                if (cell.empty()) throw "a star table has an empty cell";
                for (int code = 0; code < StemOrBranch::kCodeCount; ++code)
                    if (cell.contains(StemOrBranch::FromCode(code)))
                        starsAt_[at][static_cast<std::size_t>(code)] |= static_cast<StarBits>(1u << star);
            }
        }
    }

    // Appends, in column order, the stars of the key's row that stand at value.
    void append(std::string& out, StemOrBranch key, StemOrBranch value) const {
        if (!(keysAreStems_ ? key.isStem() : key.isBranch()) || !value.known()) return;
        const auto& row = starsAt_[static_cast<std::size_t>(key.index())];
        for (unsigned stars = row[static_cast<std::size_t>(value.code())]; stars != 0; stars &= stars - 1)
            AppendStarItem(out, stars_[static_cast<std::size_t>(std::countr_zero(stars))]);
    }

private:
    // Bit i set: star i stands there. Most places carry no star, so a look-up
    // usually ends at a zero.
    using StarBits = std::uint16_t;
    static_assert(Stars <= 16);

    std::array<StarItem, Stars> stars_;
    bool keysAreStems_;
    std::array<std::array<StarBits, StemOrBranch::kCodeCount>, Keys> starsAt_{};
};

}  // namespace kesora
