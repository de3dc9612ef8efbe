#include "shell/about/version_window.hpp"

#include "shell/about/version_form.hpp"

namespace kesora::shell {

VersionWindow::~VersionWindow() { delete form_.data(); }

void VersionWindow::show() {
    if (!form_) form_ = new VersionForm(owner_);
    form_->show();
    form_->raise();
    form_->activateWindow();
}

}  // namespace kesora::shell
