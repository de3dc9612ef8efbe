#include "chart_view/health_window/health_window_layout.hpp"

#include "resources/pictures.hpp"

namespace kesora::chart_view {

namespace {

using forms::ControlSpec;
using forms::Kind;
using forms::Look;

const Look kWindowLook{.fontFamily = forms::kGothic, .pointSize = 9};

const Look kTitle{.fontFamily = forms::kMincho, .pointSize = 21.75, .bold = true, .alignment = Qt::AlignCenter,
                  .border = true, .background = QColor(255, 255, 192)};
const Look kIntroduction{.border = true, .wordWrap = true};
const Look kHeading{.fontFamily = forms::kGothic, .pointSize = 14.25, .border = true};
const Look kKey{.fontFamily = forms::kGothic, .pointSize = 15, .alignment = Qt::AlignCenter, .border = true};

// Left, top, width, height in twips. The background reaches past the left
// edge, as the window was drawn. "ここでは、", "比肩" and "甲" are the captions
// the window is loaded with, overwritten whenever it is filled.
const ControlSpec kLabels[] = {
    {"Image1", Kind::Picture, pictures::kBackgroundTile, {-120, 0, 7455, 6735}},
    {"Label4", Kind::Label, "健　康　運", {2040, 120, 2775, 495}, &kTitle},
    {"Label3", Kind::Label, "ここでは、", {600, 840, 5655, 1215}, &kIntroduction},
    {"Label2", Kind::Label, "元命から見た健康運", {600, 2280, 2655, 375}, &kHeading},
    {"Label6", Kind::Label, "比肩", {3480, 2280, 855, 375}, &kKey},   // principal star
    {"Label1", Kind::Label, "日主から見た健康運", {600, 4200, 2655, 375}, &kHeading},
    {"Label5", Kind::Label, "甲", {3480, 4200, 855, 375}, &kKey},     // day stem
};

const TextBoxSpec kTextBoxes[] = {
    {"Text2", {960, 2760, 5295, 1215}, true},   // by principal star
    {"Text1", {960, 4680, 5295, 1095}, true},   // by day stem
};

}  // namespace

const Look& Form20WindowLook() { return kWindowLook; }
std::span<const ControlSpec> Form20Labels() { return kLabels; }
std::span<const TextBoxSpec> Form20TextBoxes() { return kTextBoxes; }

}  // namespace kesora::chart_view
