#pragma once
// One entry of a text table: a key and the pieces its text is stored in.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kesora {

struct KeyedText {
    static constexpr std::size_t kMaxPieces = 3;

    std::string_view key;
    // Filled from the front; the first empty piece ends the text.
    std::array<std::string_view, kMaxPieces> storedPieces{};

    std::span<const std::string_view> Pieces() const;
    // The pieces joined with nothing in between.
    std::string Text() const;
};

// The first entry, in table order, whose key equals `key` byte for byte.
const KeyedText* FindExact(std::span<const KeyedText> table, std::string_view key);

// The joined text of that entry, or nothing when no key matches.
std::optional<std::string> TextForKey(std::span<const KeyedText> table, std::string_view key);

}  // namespace kesora
