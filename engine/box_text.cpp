#include "box_text.hpp"

namespace kesora {

namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";

bool IsAsciiBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Full-width digits are U+FF10..U+FF19: EF BC 90..99 in UTF-8.
// Returns the digit's value and its length in bytes, or length 0.
struct Digit {
    int value = 0;
    std::size_t length = 0;
};

Digit DigitAt(std::string_view s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c >= '0' && c <= '9') return {c - '0', 1};
    if (c == 0xEF && i + 2 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0xBC) {
        const auto d = static_cast<unsigned char>(s[i + 2]);
        if (d >= 0x90 && d <= 0x99) return {d - 0x90, 3};
    }
    return {};
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    for (;;) {
        if (!text.empty() && IsAsciiBlank(text.front()))
            text.remove_prefix(1);
        else if (text.starts_with(kIdeographicSpace))
            text.remove_prefix(kIdeographicSpace.size());
        else
            break;
    }
    for (;;) {
        if (!text.empty() && IsAsciiBlank(text.back()))
            text.remove_suffix(1);
        else if (text.ends_with(kIdeographicSpace))
            text.remove_suffix(kIdeographicSpace.size());
        else
            break;
    }
    return text;
}

std::int64_t ReadBoxNumber(std::string_view text) {
    std::string_view s = TrimBlanks(text);
    bool negative = false;
    if (s.starts_with("-") || s.starts_with("+")) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    } else if (s.starts_with("－") || s.starts_with("＋")) {
        negative = s.starts_with("－");
        s.remove_prefix(3);
    }
    std::int64_t value = 0;
    for (std::size_t i = 0; i < s.size();) {
        const Digit d = DigitAt(s, i);
        if (d.length == 0) break;
        value = value * 10 + d.value;
        if (value > kBoxNumberLimit) value = kBoxNumberLimit;
        i += d.length;
    }
    return negative ? -value : value;
}

}  // namespace kesora
