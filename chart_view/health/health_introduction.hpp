#pragma once
// The fixed introduction at the top of the health window.

#include <string_view>

namespace kesora {

inline constexpr std::string_view kHealthIntroduction =
    "　ここでは、月支元命（元命）と日柱天干（日主）により、かかりやすい病気の傾向と生活のする上での注意点についてみます。\r\n"
    "元命と日主のどちらを優先して考えるというのはありませんが、重複して存在する病気については特に注意してください。\r\n"
    "また、いくら心配がないといっても普通に生活している上での話しで、悪い条件が重なった過度の場合はその例ではありません。";

}  // namespace kesora
