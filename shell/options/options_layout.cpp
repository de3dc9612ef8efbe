#include "shell/options/options_layout.hpp"

namespace kesora::shell {

namespace {

using forms::ControlSpec;
using forms::Kind;
using forms::Look;

const Look kGreyFrame{.background = QColor(0xC0, 0xC0, 0xC0)};

// Left, top, width, height in twips, relative to the client area (options to their frame).
const ControlSpec kControls[] = {
    {"Frame1", Kind::Frame, "年代の初期値", {360, 120, 2175, 750}, &kGreyFrame},
    {"Option1", Kind::Option, "大正", {240, 240, 680, 180}, nullptr, "Frame1"},
    {"Option2", Kind::Option, "昭和", {1200, 240, 680, 180}, nullptr, "Frame1"},
    {"Option3", Kind::Option, "平成", {240, 450, 680, 180}, nullptr, "Frame1"},
    {"Option4", Kind::Option, "西暦", {1200, 450, 680, 180}, nullptr, "Frame1"},

    {"Frame2", Kind::Frame, "補運をすべて表示する", {2880, 180, 2175, 615}},
    {"Option5", Kind::Option, "YES", {360, 240, 615, 255}, nullptr, "Frame2"},
    {"Option6", Kind::Option, "NO", {1320, 240, 615, 255}, nullptr, "Frame2"},

    {"Frame3", Kind::Frame, "性別の初期値", {2880, 960, 2175, 555}},
    {"Option7", Kind::Option, "男", {360, 240, 495, 180}, nullptr, "Frame3"},
    {"Option8", Kind::Option, "女", {1320, 240, 495, 180}, nullptr, "Frame3"},

    {"Frame4", Kind::Frame, "ＭＩＤＩを演奏する", {360, 960, 2175, 555}},
    {"MIDI_Y", Kind::Option, "YES", {240, 240, 615, 255}, nullptr, "Frame4"},
    {"MIDI_N", Kind::Option, "NO", {1200, 240, 615, 255}, nullptr, "Frame4"},

    {"Frame5", Kind::Frame, "ディスプレイフォントサイズ別設定", {360, 1620, 3375, 555}},
    {"Option10", Kind::Option, "小さいフォント", {240, 240, 1455, 255}, nullptr, "Frame5"},
    {"Option9", Kind::Option, "大きいフォント", {1800, 240, 1455, 255}, nullptr, "Frame5"},

    {"Frame6", Kind::Frame, "節入り日の処理", {360, 2280, 3375, 555}},
    {"Tougetu11", Kind::Option, "当月に含める", {180, 240, 1335, 255}, nullptr, "Frame6"},
    {"Zengetu12", Kind::Option, "前月に含める", {1800, 240, 1395, 255}, nullptr, "Frame6"},

    {kOkButton, Kind::Button, "OK", {4140, 1860, 975, 255}},
    {kUpdateButton, Kind::Button, "更新", {4140, 2220, 975, 255}},
    {kCancelButton, Kind::Button, "ｷｬﾝｾﾙ", {4140, 2580, 975, 255}},
};

}  // namespace

std::span<const forms::ControlSpec> OptionsControls() { return kControls; }

}  // namespace kesora::shell
