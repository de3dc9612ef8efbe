#include "shell/options/options_window.hpp"

#include "shell/options/options_form.hpp"

namespace kesora::shell {

OptionsWindow::OptionsWindow(SettingsStore& store, MessageBoxes& boxes, QWidget* owner)
    : store_(store), boxes_(boxes), owner_(owner) {}

OptionsWindow::~OptionsWindow() { delete form_.data(); }

void OptionsWindow::show() {
    if (!form_) form_ = new OptionsForm(store_, boxes_, owner_);
    if (!form_->isVisible()) form_->showSettings(store_.settings());
    form_->show();
    form_->raise();
    form_->activateWindow();
}

}  // namespace kesora::shell
