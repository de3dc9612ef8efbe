#include "shell/about/version_form.hpp"

#include "resources/pictures.hpp"
#include "shell/about/program_icon.hpp"
#include "shell/about/version_layout.hpp"

namespace kesora::shell {

VersionForm::VersionForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form13"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setWindowIcon(ProgramIcon());
    setFixedSize(forms::PxSize(kVersionClientWidth, kVersionClientHeight));
    pictures::Register();  // before Image1 loads its picture
    controls_ = forms::BuildControls(this, VersionControls());

    for (const forms::ControlSpec& control : VersionControls())
        if (control.kind == forms::Kind::Label)
            controls_[QString::fromUtf8(control.name)]->adjustSize();  // keeps its top-left corner
}

}  // namespace kesora::shell
