#pragma once
// The checks on the birth-data boxes while the user types.

#include <string_view>

namespace kesora {

inline constexpr std::string_view kNamePlaceholder = "氏名";
inline constexpr std::string_view kYearPlaceholder = "年";
inline constexpr std::string_view kMonthPlaceholder = "月";
inline constexpr std::string_view kDayPlaceholder = "日";

inline constexpr std::string_view kDayOutOfRange = "１日から３１日の範囲で選択して下さい。";
inline constexpr std::string_view kMonthOutOfRange = "１月から１２月の範囲で選択して下さい。";

enum class BoxCheck {
    Placeholder,  // the box reads its placeholder: nothing more to do
    Accepted,
    Refused,      // show the message and put the placeholder back
};

// Empty, or 1..31 read as a number.
BoxCheck CheckDayEntry(std::string_view dayText);
// Empty, or exactly one of 1..12 in ASCII or full-width digits.
BoxCheck CheckMonthEntry(std::string_view monthText);

// Year, month and day are all filled in: the chart and health buttons may be used.
bool BirthDateFilled(std::string_view yearText, std::string_view monthText, std::string_view dayText);

}  // namespace kesora
