#pragma once
// How the main window's boxes are read: blanks trimmed, and a number taken
// from the leading decimal digits (ASCII or full-width).

#include <cstdint>
#include <string_view>

namespace kesora {

// Removes ASCII blanks (space, tab, CR, LF) and ideographic spaces at both ends.
std::string_view TrimBlanks(std::string_view text);

// The leading decimal number of the trimmed text, with an optional sign
// (+, -, ＋, －); 0 when there is none. Digits may be ASCII or full-width,
// and very long numbers saturate at ±kBoxNumberLimit.
std::int64_t ReadBoxNumber(std::string_view text);

inline constexpr std::int64_t kBoxNumberLimit = 999'999'999'999;

}  // namespace kesora
