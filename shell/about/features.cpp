#include "shell/about/features.hpp"

#include <array>
#include <string_view>

namespace kesora::shell {

namespace {

// The years 1912 to 2018 are those of the solar-term table; later ones use its default row.
constexpr std::array<std::string_view, 17> kFeatureLines{
    "正式対応年代",
    "　　西暦（1912年～2018年）",
    "　　大正（元年～15年）",
    "　　昭和（元年～64年）",
    "　　平成（元年～30年）",
    "準対応年代",
    "　　西暦（2019年～無限年）",
    "　　平成（31年～無限年）",
    "以上の干支、変通星、補運（十二運星）、空亡を求められます。＋健康運",
    "詳しい機能は『ちょいヘルプ』に載っています。",
    "",
    "このアプリケーションではそこまでです。",
    "さらに詳しく鑑定できる拡張版と最新版は",
    "ホームページで公開しています。",
    "https://kesora.example/",
    "",
    "♪ＮＥＷ♪ 月支元命の鑑定（命式へGO）",
};

}  // namespace

std::string FeatureText() {
    std::string text;
    for (std::size_t i = 0; i < kFeatureLines.size(); ++i) {
        if (i > 0) text += kLineBreak;
        text += kFeatureLines[i];
    }
    return text;
}

void ShowFeatures(MessageBoxes& boxes) { boxes.inform(kShellTitle, FeatureText()); }

}  // namespace kesora::shell
