#include "shell/setup/folder_layout.hpp"

namespace kesora::shell {

namespace {

using forms::ControlSpec;
using forms::Kind;
using forms::Look;

const Look kPrompt{.border = true, .wordWrap = true};

const ControlSpec kControls[] = {
    {"Command1", Kind::Button, "OK", {2400, 360, 735, 255}},
    {"Command2", Kind::Button, "ｷｬﾝｾﾙ", {2400, 720, 735, 255}},
    {"Label1", Kind::Label, "Kesoraフォルダ（ディレクトリ）を選択してください。", {120, 2880, 3015, 495}, &kPrompt},
};

}  // namespace

std::span<const forms::ControlSpec> FolderControls() { return kControls; }

}  // namespace kesora::shell
