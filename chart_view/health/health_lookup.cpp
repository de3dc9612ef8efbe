#include "chart_view/health/health_lookup.hpp"

#include "chart_view/health/health_texts.hpp"
#include "chart_view/readings/keyed_text.hpp"

namespace kesora {

std::string_view TrimSpaces(std::string_view caption) {
    const auto first = caption.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = caption.find_last_not_of(' ');
    return caption.substr(first, last - first + 1);
}

std::optional<std::string> HealthTextForStem(std::string_view dayStemCaption) {
    return TextForKey(HealthByStem(), TrimSpaces(dayStemCaption));
}

std::optional<std::string> HealthTextForStar(std::string_view principalStarCaption) {
    return TextForKey(HealthByStar(), TrimSpaces(principalStarCaption));
}

}  // namespace kesora
