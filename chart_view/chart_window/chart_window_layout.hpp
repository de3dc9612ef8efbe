#pragma once
// What the chart window is made of: every control with its twips rectangle
// and look. The labels' captions come from the chart sheet, not from here.

#include <QSize>
#include <span>

#include "forms/form_spec.hpp"

namespace kesora::chart_view {

inline constexpr int kClientWidthTwips = 7095;
inline constexpr int kClientHeightTwips = 6705;

inline constexpr const char* kBackgroundName = "Image1";
inline constexpr const char* kPrintButtonName = "Meisiki_Insatu";
inline constexpr const char* kPrincipalStarButtonName = "GessiGenmei";

// The window's own font, which the special-star cells use.
const forms::Look& Form11WindowLook();

// Background first, so that every label lies on top of it.
std::span<const forms::ControlSpec> Form11Controls();

}  // namespace kesora::chart_view
