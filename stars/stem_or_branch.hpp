#pragma once
// A chart cell's text resolved once to a stem or a branch, so that the star
// rules of one chart compare small numbers instead of strings.

#include <cstdint>
#include <string_view>

#include "engine/cycle.hpp"

namespace kesora {

class StemOrBranch {
public:
    static constexpr int kStemCount = static_cast<int>(kStems.size());
    static constexpr int kBranchCount = static_cast<int>(kBranches.size());
    // Stems and branches numbered together: stems first, then branches.
    static constexpr int kCodeCount = kStemCount + kBranchCount;

    // A text that names neither.
    constexpr StemOrBranch() = default;

    // 0..kCodeCount-1 as numbered by code(); anything else gives neither.
    static constexpr StemOrBranch FromCode(int code) {
        return code >= 0 && code < kCodeCount ? StemOrBranch(code) : StemOrBranch();
    }
    // Positions in kStems / kBranches; a position outside gives neither.
    static constexpr StemOrBranch Stem(int index) {
        return index >= 0 && index < kStemCount ? StemOrBranch(index) : StemOrBranch();
    }
    static constexpr StemOrBranch Branch(int index) {
        return index >= 0 && index < kBranchCount ? StemOrBranch(kStemCount + index) : StemOrBranch();
    }

    // Exact comparison with the names of kStems and kBranches, as StemIndex and
    // BranchIndex compare; anything else gives neither.
    static StemOrBranch FromStemName(std::string_view text);
    static StemOrBranch FromBranchName(std::string_view text);
    static StemOrBranch FromName(std::string_view text);

    constexpr bool isStem() const { return code_ >= 0 && code_ < kStemCount; }
    constexpr bool isBranch() const { return code_ >= kStemCount && code_ < kCodeCount; }
    constexpr bool known() const { return code_ >= 0; }
    // Position in kStems or kBranches; -1 for neither.
    constexpr int index() const { return isBranch() ? code_ - kStemCount : code_; }
    // 0..kCodeCount-1 for a name, -1 for neither.
    constexpr int code() const { return code_; }

    friend constexpr bool operator==(StemOrBranch, StemOrBranch) = default;

private:
    constexpr explicit StemOrBranch(int code) : code_(static_cast<std::int8_t>(code)) {}
    std::int8_t code_ = -1;
};

}  // namespace kesora
