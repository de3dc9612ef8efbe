#pragma once
// What the health-luck window is made of: every control with its twips
// rectangle and look.

#include <span>

#include "chart_view/text_boxes/text_boxes.hpp"
#include "forms/form_spec.hpp"

namespace kesora::chart_view {

inline constexpr int kHealthClientWidthTwips = 6705;
inline constexpr int kHealthClientHeightTwips = 6045;

inline constexpr const char* kHealthBackgroundName = "Image1";

// The window's own font, which the introduction and the text boxes use.
const forms::Look& Form20WindowLook();

// Background first, so that every control lies on top of it.
std::span<const forms::ControlSpec> Form20Labels();

// Text2 (by principal star) and Text1 (by day stem).
std::span<const TextBoxSpec> Form20TextBoxes();

}  // namespace kesora::chart_view
