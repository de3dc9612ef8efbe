#include "shell/main_window/main_window_layout.hpp"

namespace kesora::shell {

namespace {

using forms::ControlSpec;
using forms::Kind;
using forms::Look;

const QColor kLightGrey(0xC0, 0xC0, 0xC0);
const QColor kLightCyan(0x80, 0xFF, 0xFF);
const QColor kDarkBlue(0x00, 0x00, 0x80);

const Look kEraFrame{.background = kLightGrey};
const Look kPrompt{.fontFamily = forms::kRoundGothic, .pointSize = 15.75,
                   .alignment = Qt::AlignLeft | Qt::AlignVCenter, .border = true, .background = kLightCyan};
const Look kChartButton{.fontFamily = forms::kGothic, .pointSize = 15.75, .bold = true};
const Look kHealthButton{.fontFamily = forms::kGothic, .pointSize = 14.25, .bold = true};
const Look kDatabaseButton{.fontFamily = forms::kMincho, .pointSize = 11.25};
const Look kRule{.foreground = kDarkBlue};
const Look kStrip{.border = true};
const Look kHiddenLabel{.fontFamily = forms::kGothic, .pointSize = 8.25};

// Left, top, width, height in twips, relative to the client area (options to their frame).
const ControlSpec kControls[] = {
    {"Label2", Kind::Label, "", {0, 0, 6735, 15}, &kStrip},
    {"Text1", Kind::TextBox, "氏名", {360, 240, 1455, 270}},
    {"Frame1", Kind::Frame, "年代", {4560, 120, 1695, 735}, &kEraFrame},
    {"Option1", Kind::Option, "大正", {120, 240, 680, 180}, &kEraFrame, "Frame1"},
    {"Option2", Kind::Option, "昭和", {840, 240, 680, 180}, &kEraFrame, "Frame1"},
    {"Option3", Kind::Option, "平成", {120, 480, 680, 180}, &kEraFrame, "Frame1"},
    {"Option4", Kind::Option, "西暦", {840, 480, 680, 180}, &kEraFrame, "Frame1"},
    {"Label1", Kind::Label, "生年月日を入力してください", {240, 720, 4215, 375}, &kPrompt},
    {"Combo1", Kind::ComboBox, "年", {480, 1320, 1095, 300}},
    {"Combo2", Kind::ComboBox, "月", {1800, 1320, 1095, 300}},
    {"Combo3", Kind::ComboBox, "日", {3120, 1320, 1095, 300}},
    {"Combo4", Kind::ComboBox, "時刻", {4440, 1320, 1335, 300}},
    {"Command3", Kind::Button, "新規", {5880, 1320, 735, 255}},
    {"Command9", Kind::Button, "登録", {5880, 1560, 735, 255}},
    {"itiran", Kind::Button, "命　式　表　示", {720, 1920, 4095, 375}, &kChartButton},
    {"kenkou", Kind::Button, "健康運", {4800, 1920, 1095, 735}, &kHealthButton},
    {"Command12", Kind::Button, "データベース表示", {720, 2280, 4095, 375}, &kDatabaseButton},
    {"Line1", Kind::Rule, "", {0, 2880, 6720, 15}, &kRule},
    {"Command10", Kind::Button, "削除", {5880, 3360, 735, 375}},
    {"Command1", Kind::Button, "閉じる", {5880, 3840, 735, 375}},
    {"Command2", Kind::Button, "終了", {5880, 4320, 735, 375}},
    // Never shown: the era of the entered year, and the record's sex field.
    {"Label8", Kind::Label, "", {0, 0, 0, 0}, &kHiddenLabel},
    {"Label9", Kind::Label, "", {0, 0, 0, 0}, &kHiddenLabel},
};

}  // namespace

std::span<const forms::ControlSpec> MainWindowControls() { return kControls; }

}  // namespace kesora::shell
