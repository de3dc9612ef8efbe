#pragma once
// The options window's controls as laid out, and its client size.

#include <span>

#include "forms/form_spec.hpp"

namespace kesora::shell {

inline constexpr int kOptionsClientWidth = 5430;
inline constexpr int kOptionsClientHeight = 3015;

// The three buttons have no names of their own in the layout sheet.
inline constexpr const char* kOkButton = "OkButton";
inline constexpr const char* kUpdateButton = "UpdateButton";
inline constexpr const char* kCancelButton = "CancelButton";

std::span<const forms::ControlSpec> OptionsControls();

}  // namespace kesora::shell
