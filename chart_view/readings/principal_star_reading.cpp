#include "chart_view/readings/principal_star_reading.hpp"

#include "chart_view/readings/format_reading_text.hpp"
#include "chart_view/readings/reading_texts.hpp"

namespace kesora {

std::string PrincipalStarReading(std::string_view caption) {
    return FormatReadingText(TextForKey(ReadingTexts(), caption).value_or(std::string{}));
}

}  // namespace kesora
