#include "entry_checks.hpp"

#include <array>

#include "box_text.hpp"

namespace kesora {

namespace {

constexpr std::array<std::string_view, 24> kMonthTexts{
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12",
    "１", "２", "３", "４", "５", "６", "７", "８", "９", "１０", "１１", "１２"};

bool Filled(std::string_view text, std::string_view placeholder) {
    const std::string_view t = TrimBlanks(text);
    return !t.empty() && t != placeholder;
}

}  // namespace

BoxCheck CheckDayEntry(std::string_view dayText) {
    const std::string_view t = TrimBlanks(dayText);
    if (t == kDayPlaceholder) return BoxCheck::Placeholder;
    if (t.empty()) return BoxCheck::Accepted;
    const auto day = ReadBoxNumber(t);
    return day >= 1 && day <= 31 ? BoxCheck::Accepted : BoxCheck::Refused;
}

BoxCheck CheckMonthEntry(std::string_view monthText) {
    const std::string_view t = TrimBlanks(monthText);
    if (t == kMonthPlaceholder) return BoxCheck::Placeholder;
    if (t.empty()) return BoxCheck::Accepted;
    for (std::string_view month : kMonthTexts)
        if (t == month) return BoxCheck::Accepted;
    return BoxCheck::Refused;
}

bool BirthDateFilled(std::string_view yearText, std::string_view monthText, std::string_view dayText) {
    return Filled(yearText, kYearPlaceholder) && Filled(monthText, kMonthPlaceholder) &&
           Filled(dayText, kDayPlaceholder);
}

}  // namespace kesora
