#include "shell/about/version_layout.hpp"

#include "resources/pictures.hpp"

namespace kesora::shell {

namespace {

using forms::ControlSpec;
using forms::Kind;
using forms::Look;

const Look kProductName{.fontFamily = forms::kGothic, .pointSize = 24};
const Look kVersion{.fontFamily = forms::kGothic, .pointSize = 20.25, .alignment = Qt::AlignRight | Qt::AlignTop};
const Look kContactHeading{.fontFamily = forms::kPlainMincho, .pointSize = 11.25,
                           .alignment = Qt::AlignHCenter | Qt::AlignTop};
const Look kContact{.fontFamily = forms::kGothic, .pointSize = 11.25};

// Left, top, width, height in twips; the labels then size themselves to their text.
const ControlSpec kControls[] = {
    {"Image1", Kind::Picture, pictures::kIcon32, {120, 120, 480, 480}},
    {"Label1", Kind::Label, "KesoraS", {840, 240, 3015, 495}, &kProductName},
    {"Label2", Kind::Label, "Ver 1.08", {1560, 960, 1425, 405}, &kVersion},
    {"Label4", Kind::Label, "連絡先", {720, 1560, 705, 225}, &kContactHeading},
    {"Label3", Kind::Label, " info@kesora.example", {1560, 1560, 2400, 225}, &kContact},
};

}  // namespace

std::span<const forms::ControlSpec> VersionControls() { return kControls; }

}  // namespace kesora::shell
