#include "hidden_stems.hpp"

#include <array>

#include "cycle.hpp"

namespace kesora {

int DaysSinceEntry(std::int64_t day, std::string_view hourBoxText, int entryDay, EntryDayRule rule) {
    const std::int64_t d = hourBoxText == kLateNightSlot ? day + 1 : day;
    const bool inMonth = rule == EntryDayRule::CurrentMonth ? d >= entryDay : d > entryDay;
    if (!inMonth) return 21;
    const std::int64_t count = d - entryDay;
    // Beyond the last range every branch shows the same stem as at 31.
    return count > 31 ? 31 : static_cast<int>(count);
}

namespace {

struct Range {
    int lastDay;
    std::string_view stem;
};
using BranchRanges = std::array<Range, 3>;

// Per branch (子 … 亥): consecutive day ranges from 0, each ending at lastDay.
constexpr std::array<BranchRanges, 12> kHiddenStemTable{{
    {{{10, "壬"}, {31, "癸"}}},               // 子
    {{{9, "癸"}, {12, "辛"}, {31, "己"}}},    // 丑
    {{{7, "戊"}, {14, "丙"}, {31, "甲"}}},    // 寅
    {{{10, "甲"}, {31, "乙"}}},               // 卯
    {{{9, "乙"}, {12, "癸"}, {31, "戊"}}},    // 辰
    {{{7, "戊"}, {14, "庚"}, {31, "丙"}}},    // 巳
    {{{10, "丙"}, {20, "己"}, {31, "丁"}}},   // 午
    {{{9, "丁"}, {12, "乙"}, {31, "己"}}},    // 未
    {{{7, "戊"}, {14, "壬"}, {31, "庚"}}},    // 申
    {{{10, "庚"}, {31, "辛"}}},               // 酉
    {{{9, "辛"}, {12, "丁"}, {31, "戊"}}},    // 戌
    {{{7, "戊"}, {14, "甲"}, {31, "壬"}}},    // 亥
}};

constexpr std::array<std::string_view, 6> kVoidPairs{
    "戌・亥", "申・酉", "午・未", "辰・巳", "寅・卯", "子・丑"};

}  // namespace

std::string_view HiddenStem(std::string_view branch, std::int64_t daysSinceEntry) {
    const auto index = BranchIndex(branch);
    if (!index || daysSinceEntry < 0 || daysSinceEntry > 31) return {};
    for (const Range& r : kHiddenStemTable[static_cast<std::size_t>(*index)])
        if (!r.stem.empty() && daysSinceEntry <= r.lastDay) return r.stem;
    return {};
}

std::string_view VoidPair(std::int64_t dayNumber) {
    if (dayNumber < 1 || dayNumber > 60) return kVoidPairError;
    return kVoidPairs[static_cast<std::size_t>((dayNumber - 1) / 10)];
}

}  // namespace kesora
