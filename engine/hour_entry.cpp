#include "hour_entry.hpp"

#include <array>
#include <string>

#include "birth_data_form.hpp"
#include "box_text.hpp"
#include "message_boxes.hpp"
#include "pillars.hpp"

namespace kesora {

namespace {

// The characters a typed hour may use, in one alphabet or the other.
struct HourAlphabet {
    std::array<std::string_view, 10> digits;
    std::array<std::string_view, 3> separators;  // before the 30 minutes
};

constexpr HourAlphabet kAsciiHours{{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"},
                                   {":", ".", "-"}};
constexpr HourAlphabet kFullWidthHours{
    {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"}, {"：", "．", "－"}};

// Reads one digit of the alphabet at the front of `text`, consuming it.
std::optional<int> TakeDigit(std::string_view& text, const HourAlphabet& alphabet) {
    for (std::size_t v = 0; v < alphabet.digits.size(); ++v) {
        if (text.starts_with(alphabet.digits[v])) {
            text.remove_prefix(alphabet.digits[v].size());
            return static_cast<int>(v);
        }
    }
    return std::nullopt;
}

std::optional<int> TypedHour(std::string_view text, const HourAlphabet& alphabet) {
    const auto first = TakeDigit(text, alphabet);
    if (!first) return std::nullopt;
    int hour = *first;
    if (hour != 0) {
        if (const auto second = TakeDigit(text, alphabet)) hour = hour * 10 + *second;
    }
    if (hour > 24) return std::nullopt;
    if (text.empty()) return hour;
    for (std::string_view separator : alphabet.separators) {
        if (!text.starts_with(separator)) continue;
        text.remove_prefix(separator.size());
        const auto tens = TakeDigit(text, alphabet);
        const auto ones = TakeDigit(text, alphabet);
        if (tens == 3 && ones == 0 && text.empty()) return hour;
        return std::nullopt;
    }
    return std::nullopt;
}

std::size_t SlotIndexOfHour(int hour) {
    if (hour == 0 || hour == 24) return 0;
    if (hour == 23) return 12;
    return static_cast<std::size_t>((hour + 1) / 2);
}

constexpr std::string_view kEntryMistake = "時刻欄の入力ミスです。";
constexpr std::string_view kOfferHelp = "時刻入力の説明を表示しますか。";
constexpr std::array<std::string_view, 3> kHourHelp{
    "通常、時刻は時刻リストより選択して下さい。（下向き黒三角をクリック）",
    "直接入力の場合は３０分間隔の２４時間制で指定して下さい。",
    "更に詳しいことは『ちょいヘルプ』を見て下さい。"};

std::string JoinLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        if (!text.empty()) text += kLineBreak;
        text += line;
    }
    return text;
}

}  // namespace

std::optional<std::string_view> SlotOfTypedHour(std::string_view text) {
    for (const HourAlphabet* alphabet : {&kAsciiHours, &kFullWidthHours})
        if (const auto hour = TypedHour(text, *alphabet)) return kHourSlots[SlotIndexOfHour(*hour)];
    return std::nullopt;
}

HourConversion ClassifyHourEntry(std::string_view boxText) {
    const std::string_view t = TrimBlanks(boxText);
    // A slot typed with blanks around it is written back bare, since the hour
    // pillar compares the box text exactly.
    const auto keep = [&](int state) {
        return HourConversion{state, t == boxText ? std::nullopt : std::optional<std::string>(t)};
    };
    for (std::string_view slot : kHourSlots)
        if (t == slot) return keep(kHourKnown);
    if (const auto slot = SlotOfTypedHour(t)) return {kHourKnown, std::string(*slot)};
    if (t.empty()) return keep(kHourUnknown);
    if (t == kHourPlaceholder) return {kHourUnknown, std::string(kHourUnknownText)};
    if (t == kHourUnknownText) return keep(kHourUnknown);
    return {kHourRejected, std::string(kHourPlaceholder)};
}

void ConvertHourEntry(BirthDataForm& form, MessageBoxes& boxes) {
    const HourConversion conversion = ClassifyHourEntry(form.hourText());
    if (conversion.hourState == kHourRejected) {
        if (boxes.ask(kChartTitle, JoinLines({kEntryMistake, kOfferHelp})) == kAnswerYes)
            boxes.inform(kChartTitle, JoinLines({kHourHelp[0], kHourHelp[1], kHourHelp[2]}));
    }
    if (conversion.newBoxText) form.setHourText(*conversion.newBoxText);
    form.runState().hourState = conversion.hourState;
    if (conversion.hourState == kHourRejected) form.focusHourBox();
}

}  // namespace kesora
