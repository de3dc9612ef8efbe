#include "cycle.hpp"

namespace kesora {

namespace {

// Every stem and branch is one three-byte UTF-8 character; comparing them as
// packed integers keeps the star rules, which look names up constantly, cheap.
constexpr std::uint32_t Packed(std::string_view s) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[0])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[2]));
}

template <std::size_t N>
constexpr std::array<std::uint32_t, N> PackedNames(const std::array<std::string_view, N>& names) {
    std::array<std::uint32_t, N> packed{};
    for (std::size_t i = 0; i < N; ++i) packed[i] = Packed(names[i]);
    return packed;
}

constexpr auto kPackedStems = PackedNames(kStems);
constexpr auto kPackedBranches = PackedNames(kBranches);

template <std::size_t N>
std::optional<int> IndexIn(const std::array<std::uint32_t, N>& packed, std::string_view name) {
    if (name.size() != 3) return std::nullopt;
    const std::uint32_t key = Packed(name);
    for (std::size_t i = 0; i < N; ++i)
        if (packed[i] == key) return static_cast<int>(i);
    return std::nullopt;
}

}  // namespace

std::optional<int> StemIndex(std::string_view name) { return IndexIn(kPackedStems, name); }
std::optional<int> BranchIndex(std::string_view name) { return IndexIn(kPackedBranches, name); }

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
