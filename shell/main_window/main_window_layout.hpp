#pragma once
// The main window's controls as laid out, and its sizes.

#include <span>

#include "forms/form_spec.hpp"

namespace kesora::shell {

// Client area: the input rows only, and with the database view open below the rule.
inline constexpr int kMainClientWidth = 6675;
inline constexpr int kMainCompactClientHeight = 2820;
inline constexpr int kDatabaseViewExtraHeight = 2000;

// The navigator Data2 and the grid DBGrid1, built by the window itself.
inline constexpr const char* kNavigatorCaption = "ｺﾝﾄﾛｰﾙ";
inline constexpr forms::Twips kNavigatorRect{1920, 240, 1935, 285};
inline constexpr forms::Twips kGridRect{240, 3120, 5415, 1575};

std::span<const forms::ControlSpec> MainWindowControls();

}  // namespace kesora::shell
