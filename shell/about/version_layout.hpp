#pragma once
// The version window's controls as laid out, and its client size.

#include <span>

#include "forms/form_spec.hpp"

namespace kesora::shell {

inline constexpr int kVersionClientWidth = 4170;
inline constexpr int kVersionClientHeight = 1950;

std::span<const forms::ControlSpec> VersionControls();

}  // namespace kesora::shell
