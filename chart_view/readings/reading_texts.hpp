#pragma once
// The character readings of the ten-god stars.

#include "chart_view/readings/keyed_text.hpp"

#include <span>

namespace kesora {

// Keyed by star name, in the order 比肩 劫財 食神 傷官 偏財 正財 偏官 正官 偏印 印綬.
// Each text opens with two ordinary spaces and marks every later paragraph with
// an ideographic space; it holds no line breaks.
std::span<const KeyedText> ReadingTexts();

}  // namespace kesora
