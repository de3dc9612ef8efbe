#pragma once
// The two tables of health readings. Texts are shown as stored: no line breaks
// are added, the text box wraps them.

#include "chart_view/readings/keyed_text.hpp"

#include <span>

namespace kesora {

// Keyed by day stem, in the order 甲 乙 丙 丁 戊 己 庚 辛 壬 癸.
std::span<const KeyedText> HealthByStem();

// Keyed by month-branch principal star, in the order
// 比肩 劫財 食神 傷官 偏財 正財 偏官 正官 偏印 印綬.
std::span<const KeyedText> HealthByStar();

}  // namespace kesora
