#include "chart_view/readings/keyed_text.hpp"

#include <algorithm>

namespace kesora {

std::span<const std::string_view> KeyedText::Pieces() const {
    const auto end = std::ranges::find(storedPieces, std::string_view{});
    return {storedPieces.begin(), end};
}

std::string KeyedText::Text() const {
    std::string text;
    for (const std::string_view piece : Pieces()) {
        text += piece;
    }
    return text;
}

const KeyedText* FindExact(std::span<const KeyedText> table, std::string_view key) {
    const auto found = std::ranges::find(table, key, &KeyedText::key);
    return found == table.end() ? nullptr : &*found;
}

std::optional<std::string> TextForKey(std::span<const KeyedText> table, std::string_view key) {
    if (const KeyedText* entry = FindExact(table, key)) {
        return entry->Text();
    }
    return std::nullopt;
}

}  // namespace kesora
