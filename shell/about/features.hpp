#pragma once
// The feature box of the menu できること: the supported years and what a chart shows.

#include <string>

#include "engine/message_boxes.hpp"

namespace kesora::shell {

// Seventeen lines joined by CR LF.
std::string FeatureText();

// OK button, information icon, title "KesoraＳ".
void ShowFeatures(MessageBoxes& boxes);

}  // namespace kesora::shell
