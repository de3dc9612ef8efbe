#include "chart_view/readings/format_reading_text.hpp"

namespace kesora {

namespace {
constexpr std::string_view kIdeographicSpace = "\u3000";
constexpr std::string_view kLineBreakBeforeParagraph = "\r\n ";
}  // namespace

std::string FormatReadingText(std::string_view text) {
    std::string formatted;
    formatted.reserve(text.size() + text.size() / 8);
    // A UTF-8 lead byte never occurs inside another character, so a byte match
    // of the ideographic space is a match of the whole character.
    std::size_t copiedUpTo = 0;
    for (std::size_t at = text.find(kIdeographicSpace); at != std::string_view::npos;
         at = text.find(kIdeographicSpace, at + kIdeographicSpace.size())) {
        formatted += text.substr(copiedUpTo, at - copiedUpTo);
        formatted += kLineBreakBeforeParagraph;
        formatted += kIdeographicSpace;
        copiedUpTo = at + kIdeographicSpace.size();
    }
    formatted += text.substr(copiedUpTo);
    return formatted;
}

}  // namespace kesora
