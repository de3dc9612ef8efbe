#pragma once
// A star list is what a special-star box holds: one item per star, each
// "・" + star name + CR LF, in the order of the rule that produced it; the
// empty string means no star. Rules append to a caller's buffer so that a
// chart's boxes are built without allocating.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kesora {

inline constexpr std::string_view kStarItemMark = "・";
inline constexpr std::string_view kStarItemEnd = "\r\n";

// One star's item, spelled out once at compile time so that listing the star is a single copy.
class StarItem {
public:
    constexpr StarItem() = default;
    constexpr explicit StarItem(std::string_view name) {
        if (name.empty() || kStarItemMark.size() + name.size() + kStarItemEnd.size() > kCapacity)
            throw "a star name does not fit a star-list item";
        put(kStarItemMark);
        put(name);
        put(kStarItemEnd);
    }

    constexpr std::string_view text() const { return {chars_.data(), size_}; }

private:
    // Four kanji, the longest star name, plus the mark and the line end.
    static constexpr std::size_t kCapacity = 20;

    constexpr void put(std::string_view part) {
        for (char c : part) chars_[size_++] = c;
    }

    std::array<char, kCapacity> chars_{};
    std::size_t size_ = 0;
};

inline void AppendStarItem(std::string& out, const StarItem& item) { out.append(item.text()); }

template <std::size_t N>
constexpr std::array<StarItem, N> StarItems(const std::array<std::string_view, N>& names) {
    std::array<StarItem, N> items{};
    for (std::size_t i = 0; i < N; ++i) items[i] = StarItem(names[i]);
    return items;
}

}  // namespace kesora
