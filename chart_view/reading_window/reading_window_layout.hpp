#pragma once
// What the reading window is made of: every control with its twips rectangle
// and look, in the arrangement in which the window is shown.

#include <span>

#include "chart_view/text_boxes/text_boxes.hpp"
#include "forms/form_spec.hpp"

namespace kesora::chart_view {

inline constexpr int kReadingClientWidthTwips = 6240;
inline constexpr int kReadingClientHeightTwips = 3870;

inline constexpr const char* kReadingBackgroundName = "Image1";

// The window's own font.
const forms::Look& Form15WindowLook();

// Background first, so that every control lies on top of it.
std::span<const forms::ControlSpec> Form15Labels();

// The introduction Text1 and the personal reading Text2.
std::span<const TextBoxSpec> Form15TextBoxes();

}  // namespace kesora::chart_view
