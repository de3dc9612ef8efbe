#pragma once
// The window pictures and the program icon, compiled into the program.

namespace kesora::pictures {

inline constexpr const char* kBackgroundTile = ":/pictures/washi_tile.png";  // 64 × 64, stretched
inline constexpr const char* kPrintChartButton = ":/pictures/print_chart_button.png";        // 命式印刷
inline constexpr const char* kPrincipalStarButton = ":/pictures/principal_star_button.png";  // 月支元命
inline constexpr const char* kIcon32 = ":/pictures/kesora_icon_32.png";
inline constexpr const char* kIcon256 = ":/pictures/kesora_icon_256.png";

// The pictures live in a static library, which the linker would drop unless
// someone refers to it: call this before loading a picture (repeating is harmless).
void Register();

}  // namespace kesora::pictures
