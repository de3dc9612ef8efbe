#include "cycle.hpp"

namespace kesora {

namespace {

template <std::size_t N>
std::optional<int> IndexIn(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<int>(i);
    return std::nullopt;
}

}  // namespace

std::optional<int> StemIndex(std::string_view name) { return IndexIn(kStems, name); }
std::optional<int> BranchIndex(std::string_view name) { return IndexIn(kBranches, name); }

std::string_view StemOfNumber(std::int64_t n) {
    if (n < 0 || n > 60) return kConversionError;
    return kStems[static_cast<std::size_t>(FloorMod(n - 1, 10))];
}

std::string_view BranchOfNumber(std::int64_t n) {
    if (n < 0 || n > 60) return kConversionError;
    return kBranches[static_cast<std::size_t>(FloorMod(n - 1, 12))];
}

int StemGroup(std::int64_t n) { return static_cast<int>(FloorMod(n - 1, 5)); }

std::int64_t CycleYear(std::int64_t westernYear) { return westernYear - 1863; }

namespace {
struct EraRow {
    Era era;
    std::string_view name;
    std::int64_t base;
};
constexpr EraRow kEraRows[] = {
    {Era::Taisho, "大正", 1911},
    {Era::Showa, "昭和", 1925},
    {Era::Heisei, "平成", 1988},
    {Era::Seireki, "西暦", 0},
};
}  // namespace

std::string_view EraName(Era era) {
    for (const EraRow& row : kEraRows)
        if (row.era == era) return row.name;
    return {};
}

std::optional<Era> EraFromName(std::string_view name) {
    for (const EraRow& row : kEraRows)
        if (row.name == name) return row.era;
    return std::nullopt;
}

std::int64_t WesternYear(Era era, std::int64_t eraYear) {
    for (const EraRow& row : kEraRows)
        if (row.era == era) return eraYear + row.base;
    return eraYear;
}

}  // namespace kesora
