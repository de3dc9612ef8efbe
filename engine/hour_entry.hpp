#pragma once
// Turning a typed birth hour ("7", "7:30", "７．３０", …) into its two-hour slot.

#include <optional>
#include <string>
#include <string_view>

namespace kesora {

class BirthDataForm;
class MessageBoxes;

inline constexpr std::string_view kHourPlaceholder = "時刻";
inline constexpr std::string_view kHourUnknownText = "時刻不明";

// The slot a typed hour belongs to: whole hours 0..24 alone or followed by
// ":30", ".30" or "-30", all ASCII or all full-width ("７：３０"). Exact text,
// no blanks, no leading zero.
std::optional<std::string_view> SlotOfTypedHour(std::string_view text);

struct HourConversion {
    int hourState;                       // kHourKnown, kHourUnknown or kHourRejected
    std::optional<std::string> newBoxText;  // what the hour box is set to, if changed
};

// The decision alone, without asking the user anything.
HourConversion ClassifyHourEntry(std::string_view boxText);

// Rewrites the form's hour box and sets its hour state; a rejected entry is
// explained through the message boxes and leaves the focus in the hour box.
void ConvertHourEntry(BirthDataForm& form, MessageBoxes& boxes);

}  // namespace kesora
