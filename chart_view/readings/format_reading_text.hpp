#pragma once

#include <string>
#include <string_view>

namespace kesora {

// Breaks a stored reading into lines for the reading window: every ideographic
// space (U+3000) becomes CR LF, one ordinary space and the ideographic space
// itself; everything else is copied. Expects UTF-8.
std::string FormatReadingText(std::string_view text);

}  // namespace kesora
