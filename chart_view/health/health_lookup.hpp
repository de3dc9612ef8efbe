#pragma once
// Choosing the health readings from the chart's captions.

#include <optional>
#include <string>
#include <string_view>

namespace kesora {

// The caption without ordinary spaces (U+0020) at either end.
std::string_view TrimSpaces(std::string_view caption);

// The health reading for a day-stem caption, trimmed first; nothing when no stem
// matches, and the window then keeps the text it held.
std::optional<std::string> HealthTextForStem(std::string_view dayStemCaption);

// The same for a principal-star caption.
std::optional<std::string> HealthTextForStar(std::string_view principalStarCaption);

}  // namespace kesora
