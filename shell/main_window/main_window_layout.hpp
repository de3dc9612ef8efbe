#pragma once
// The main window's controls as laid out, and its sizes.

#include <span>

#include "forms/form_spec.hpp"

namespace kesora::shell {

// Client area: the input rows only, and with the database view open below the rule.
inline constexpr int kMainClientWidth = 6675;
inline constexpr int kMainCompactClientHeight = 2820;
inline constexpr int kDatabaseViewExtraHeight = 2000;

std::span<const forms::ControlSpec> MainWindowControls();

}  // namespace kesora::shell
