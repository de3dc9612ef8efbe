#include "chart_view/chart_window/chart_window_layout.hpp"

#include "resources/pictures.hpp"

namespace kesora::chart_view {

namespace {

using forms::ControlSpec;
using forms::Kind;
using forms::Look;

const QColor kLightCyan(128, 255, 255);
const QColor kLightYellow(255, 255, 128);
constexpr Qt::Alignment kCentred = Qt::AlignCenter;
// Heading texts sit at the top of their labels so that the name lines up inside its frame.
constexpr Qt::Alignment kTopCentred = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment kTopRight = Qt::AlignRight | Qt::AlignTop;

const Look kWindowLook{.fontFamily = forms::kGothic, .pointSize = 9};

const Look kNameFrame{.border = true};
const Look kName{.fontFamily = forms::kGothic, .pointSize = 14.25, .alignment = kTopCentred};
const Look kHeading{.fontFamily = forms::kGothic, .pointSize = 12};
const Look kHeadingCentred{.fontFamily = forms::kGothic, .pointSize = 12, .alignment = kTopCentred};
const Look kHeadingRight{.fontFamily = forms::kGothic, .pointSize = 12, .alignment = kTopRight};

const Look kPillarHeader{.fontFamily = forms::kMincho, .pointSize = 21.75, .bold = true,
                         .alignment = kCentred, .border = true, .background = kLightCyan};
const Look kRowHeader{.fontFamily = forms::kMincho, .pointSize = 20.25, .bold = true,
                      .alignment = kCentred, .border = true, .background = kLightYellow};
// "特殊星(解説)" wraps onto two lines inside its tall header.
const Look kSpecialStarHeader{.fontFamily = forms::kMincho, .pointSize = 15.75, .bold = true,
                              .alignment = kCentred, .border = true, .background = kLightYellow,
                              .wordWrap = true};
// "空亡" is stacked, one character a line, by wrapping in its narrow box.
const Look kVoidHeader{.fontFamily = forms::kGothic, .pointSize = 9.75, .alignment = kCentred,
                       .border = true, .background = kLightYellow, .wordWrap = true};

const Look kValueCell{.fontFamily = forms::kGothic, .pointSize = 20.25, .alignment = kCentred, .border = true};
// The window's small font; lists longer than the cell are cut off at its foot.
const Look kSpecialStarCell{.border = true, .wordWrap = true};

// Left, top, width, height in twips.
const ControlSpec kControls[] = {
    {"Image1", Kind::Picture, pictures::kBackgroundTile, {0, 0, 7095, 6735}},

    // Heading: the name in its frame, then the birth data as entered.
    {"Label47", Kind::Label, nullptr, {360, 240, 1935, 375}, &kNameFrame},
    {"Label37", Kind::Label, nullptr, {360, 285, 1935, 375}, &kName},
    {"Label38", Kind::Label, nullptr, {2400, 360, 495, 255}, &kHeadingCentred},  // era
    {"Label39", Kind::Label, nullptr, {2760, 360, 735, 255}, &kHeadingRight},    // year
    {"Label40", Kind::Label, nullptr, {3485, 360, 255, 255}, &kHeading},         // 年
    {"Label41", Kind::Label, nullptr, {3660, 360, 375, 255}, &kHeadingRight},    // month
    {"Label42", Kind::Label, nullptr, {4020, 360, 255, 255}, &kHeading},         // 月
    {"Label43", Kind::Label, nullptr, {4200, 360, 375, 255}, &kHeadingRight},    // day
    {"Label44", Kind::Label, nullptr, {4560, 360, 255, 255}, &kHeading},         // 日
    {"Label45", Kind::Label, nullptr, {4800, 360, 1215, 255}, &kHeadingRight},   // hour slot
    {"Label46", Kind::Label, nullptr, {6000, 360, 735, 255}, &kHeading},         // 生まれ

    // Pillar headers, hour pillar on the left.
    {"Label10", Kind::Label, nullptr, {360, 780, 1095, 495}, &kPillarHeader},   // 時柱
    {"Label9", Kind::Label, nullptr, {1740, 780, 1095, 495}, &kPillarHeader},   // 日柱
    {"Label8", Kind::Label, nullptr, {3120, 780, 1095, 495}, &kPillarHeader},   // 月柱
    {"Label7", Kind::Label, nullptr, {4500, 780, 1095, 495}, &kPillarHeader},   // 年柱

    // Row headers on the right.
    {"Label1", Kind::Label, nullptr, {5820, 1440, 1095, 495}, &kRowHeader},  // 天干
    {"Label2", Kind::Label, nullptr, {5820, 2040, 1095, 495}, &kRowHeader},  // 地支
    {"Label3", Kind::Label, nullptr, {5820, 2640, 1095, 495}, &kRowHeader},  // 蔵干
    {"Label4", Kind::Label, nullptr, {5820, 3240, 1095, 495}, &kRowHeader},  // 天星
    {"Label5", Kind::Label, nullptr, {5820, 3840, 1095, 495}, &kRowHeader},  // 地星
    {"Label6", Kind::Label, nullptr, {5820, 4440, 1095, 495}, &kRowHeader},  // 補運
    {"Label48", Kind::Label, nullptr, {5820, 5040, 1095, 795}, &kSpecialStarHeader},

    // 天干: stems.
    {"Label29", Kind::Label, nullptr, {600, 1440, 615, 465}, &kValueCell},
    {"Label23", Kind::Label, nullptr, {1980, 1440, 615, 465}, &kValueCell},
    {"Label17", Kind::Label, nullptr, {3360, 1440, 615, 465}, &kValueCell},
    {"Label11", Kind::Label, nullptr, {4740, 1440, 615, 495}, &kValueCell},
    // 地支: branches.
    {"Label30", Kind::Label, nullptr, {600, 2040, 615, 495}, &kValueCell},
    {"Label24", Kind::Label, nullptr, {1980, 2040, 615, 495}, &kValueCell},
    {"Label18", Kind::Label, nullptr, {3360, 2040, 615, 495}, &kValueCell},
    {"Label12", Kind::Label, nullptr, {4740, 2040, 615, 495}, &kValueCell},
    // 蔵干: hidden stems.
    {"Label31", Kind::Label, nullptr, {600, 2640, 615, 495}, &kValueCell},
    {"Label25", Kind::Label, nullptr, {1980, 2640, 615, 495}, &kValueCell},
    {"Label19", Kind::Label, nullptr, {3360, 2640, 615, 495}, &kValueCell},
    {"Label13", Kind::Label, nullptr, {4740, 2640, 615, 495}, &kValueCell},
    // 天星: ten-god stars of the stems.
    {"Label32", Kind::Label, nullptr, {420, 3240, 975, 495}, &kValueCell},
    {"Label26", Kind::Label, nullptr, {1800, 3240, 975, 495}, &kValueCell},
    {"Label20", Kind::Label, nullptr, {3180, 3240, 975, 495}, &kValueCell},
    {"Label14", Kind::Label, nullptr, {4560, 3240, 975, 495}, &kValueCell},
    // 地星: ten-god stars of the hidden stems.
    {"Label33", Kind::Label, nullptr, {420, 3840, 975, 495}, &kValueCell},
    {"Label27", Kind::Label, nullptr, {1800, 3840, 975, 495}, &kValueCell},
    {"Label21", Kind::Label, nullptr, {3180, 3840, 975, 495}, &kValueCell},
    {"Label15", Kind::Label, nullptr, {4560, 3840, 975, 495}, &kValueCell},
    // 補運: twelve-stage stars.
    {"Label34", Kind::Label, nullptr, {420, 4440, 975, 495}, &kValueCell},
    {"Label28", Kind::Label, nullptr, {1800, 4440, 975, 495}, &kValueCell},
    {"Label22", Kind::Label, nullptr, {3180, 4440, 975, 495}, &kValueCell},
    {"Label16", Kind::Label, nullptr, {4560, 4440, 975, 495}, &kValueCell},
    // Special stars.
    {"Label52", Kind::Label, nullptr, {435, 5040, 975, 795}, &kSpecialStarCell},
    {"Label51", Kind::Label, nullptr, {1800, 5040, 975, 795}, &kSpecialStarCell},
    {"Label50", Kind::Label, nullptr, {3180, 5040, 975, 795}, &kSpecialStarCell},
    {"Label49", Kind::Label, nullptr, {4560, 5040, 975, 795}, &kSpecialStarCell},

    // Void row and the picture buttons.
    {"Label36", Kind::Label, nullptr, {360, 6000, 300, 495}, &kVoidHeader},
    {"Label35", Kind::Label, nullptr, {645, 6000, 1290, 495}, &kValueCell},
    {"Meisiki_Insatu", Kind::PictureButton, pictures::kPrintChartButton, {2250, 6000, 1350, 495}},
    {"GessiGenmei", Kind::PictureButton, pictures::kPrincipalStarButton, {3840, 6000, 1350, 495}},
};

}  // namespace

const forms::Look& Form11WindowLook() { return kWindowLook; }

std::span<const ControlSpec> Form11Controls() { return kControls; }

}  // namespace kesora::chart_view
