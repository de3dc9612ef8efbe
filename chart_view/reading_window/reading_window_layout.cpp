#include "chart_view/reading_window/reading_window_layout.hpp"

#include "resources/pictures.hpp"

namespace kesora::chart_view {

namespace {

using forms::ControlSpec;
using forms::Kind;
using forms::Look;

const Look kWindowLook{.fontFamily = forms::kGothic, .pointSize = 9};

const Look kHeading{.fontFamily = forms::kGothic, .pointSize = 14.25};
const Look kStarName{.fontFamily = forms::kGothic, .pointSize = 12.75, .alignment = Qt::AlignCenter,
                     .border = true, .background = QColor(255, 255, 192)};
const Look kText{.fontFamily = forms::kGothic, .pointSize = 9.75};

// Left, top, width, height in twips. The captions are the ones the window is
// loaded with; every reading overwrites them before the window is seen.
const ControlSpec kLabels[] = {
    {"Image1", Kind::Picture, pictures::kBackgroundTile, {0, 0, 6255, 3855}},
    {"Label1", Kind::Label, "補運とは", {120, 120, 1695, 285}, &kHeading},
    {"Label3", Kind::Label, "補運３", {5280, 100, 735, 330}, &kStarName},
    {"Label2", Kind::Label, "あなたの補運", {135, 1470, 1695, 285}, &kHeading},
};

const TextBoxSpec kTextBoxes[] = {
    {"Text1", {240, 480, 5775, 870}, false, &kText},   // no scroll bar
    {"Text2", {240, 1770, 5775, 1905}, true, &kText},
};

}  // namespace

const Look& Form15WindowLook() { return kWindowLook; }
std::span<const ControlSpec> Form15Labels() { return kLabels; }
std::span<const TextBoxSpec> Form15TextBoxes() { return kTextBoxes; }

}  // namespace kesora::chart_view
