#pragma once
// A cell of a star rule table: the stems and branches at which a star stands,
// written as the table reads ("子 午" is either branch). Tables are built at
// compile time, so a misspelt name stops the build instead of matching nothing.

#include <cstdint>
#include <string_view>

#include "stars/stem_or_branch.hpp"

namespace kesora {

// The stem or branch a table writes as `name`; only for tables built at compile time.
constexpr StemOrBranch StemOrBranchNamed(std::string_view name) {
    for (int i = 0; i < StemOrBranch::kStemCount; ++i)
        if (kStems[static_cast<std::size_t>(i)] == name) return StemOrBranch::Stem(i);
    for (int i = 0; i < StemOrBranch::kBranchCount; ++i)
        if (kBranches[static_cast<std::size_t>(i)] == name) return StemOrBranch::Branch(i);
    throw "a rule table names something that is neither a stem nor a branch";
}

class NameSet {
public:
    constexpr NameSet() = default;

    // Names separated by blanks; the empty text is the empty set.
    constexpr explicit NameSet(std::string_view names) {
        while (!names.empty()) {
            const std::size_t end = names.find(' ');
            const std::string_view name = names.substr(0, end);
            if (!name.empty()) bits_ |= Bit(StemOrBranchNamed(name));
            names = end == std::string_view::npos ? std::string_view() : names.substr(end + 1);
        }
    }

    constexpr bool contains(StemOrBranch value) const {
        return value.known() && (bits_ & Bit(value)) != 0;
    }
    constexpr bool empty() const { return bits_ == 0; }

private:
    static_assert(StemOrBranch::kCodeCount <= 32);
    static constexpr std::uint32_t Bit(StemOrBranch value) {
        return std::uint32_t{1} << value.code();
    }

    std::uint32_t bits_ = 0;
};

}  // namespace kesora
