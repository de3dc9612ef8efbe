#pragma once
// The fixed introduction shown above every month-branch principal-star reading.

#include <string_view>

namespace kesora {

inline constexpr std::string_view kPrincipalStarIntroduction =
    "　ここでは、月支元命（日柱地星）より基本特性をみます。\r\n"
    "　月支元命は命式の中心となる重要な星です。ここわかる基本特性はすべて根本になる大切な要素です。\r\n"
    "　また、その人のだいたいの傾向を素早く知ることにも役立ちます。";

}  // namespace kesora
