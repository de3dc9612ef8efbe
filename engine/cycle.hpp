#pragma once
// Stems, branches, the sixty-pair cycle and the eras of a birth year.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kesora {

inline constexpr std::array<std::string_view, 10> kStems{
    "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 12> kBranches{
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

// Shown in a pillar cell for a cycle number the conversions do not cover.
inline constexpr std::string_view kConversionError = "えらー";

// Index 0..9 of a stem name, 0..11 of a branch name; exact comparison only.
std::optional<int> StemIndex(std::string_view name);
std::optional<int> BranchIndex(std::string_view name);

// Cycle number 1..60 (0 read as 60) to its names; kConversionError outside 0..60.
std::string_view StemOfNumber(std::int64_t n);
std::string_view BranchOfNumber(std::int64_t n);

// 0..4 from the last decimal digit: 1,6 → 0; 2,7 → 1; 3,8 → 2; 4,9 → 3; 5,0 → 4.
int StemGroup(std::int64_t n);

std::int64_t CycleYear(std::int64_t westernYear);

// Remainder in 0..m-1 for any sign of n.
constexpr std::int64_t FloorMod(std::int64_t n, std::int64_t m) {
    const std::int64_t r = n % m;
    return r < 0 ? r + m : r;
}

enum class Era { Taisho, Showa, Heisei, Seireki };

inline constexpr std::array<Era, 4> kEras{Era::Taisho, Era::Showa, Era::Heisei, Era::Seireki};

std::string_view EraName(Era era);
std::optional<Era> EraFromName(std::string_view name);
std::int64_t WesternYear(Era era, std::int64_t eraYear);

}  // namespace kesora
