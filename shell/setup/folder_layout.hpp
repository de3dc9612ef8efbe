#pragma once
// The database folder window Form17 as laid out, in twips.

#include <span>

#include "forms/form_spec.hpp"

namespace kesora::shell {

inline constexpr int kFolderClientWidth = 3270;
inline constexpr int kFolderClientHeight = 3480;
inline constexpr forms::Twips kFolderListRect{120, 120, 2175, 2130};  // Dir1
inline constexpr forms::Twips kDriveListRect{120, 2400, 1695, 300};   // Drive1

// The buttons and the prompt; the folder and drive lists are placed by the window.
std::span<const forms::ControlSpec> FolderControls();

}  // namespace kesora::shell
