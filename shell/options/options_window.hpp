#pragma once
// The one options window of a run, offered from the main window's menu.

#include <QPointer>

#include "engine/message_boxes.hpp"
#include "shell/options/settings_store.hpp"

class QWidget;

namespace kesora::shell {

class OptionsForm;

class OptionsWindow {
public:
    // `owner`, when given, keeps the window above it and takes it down with it.
    OptionsWindow(SettingsStore& store, MessageBoxes& boxes, QWidget* owner = nullptr);
    ~OptionsWindow();
    OptionsWindow(const OptionsWindow&) = delete;
    OptionsWindow& operator=(const OptionsWindow&) = delete;

    // Loads the window on first use and brings it to the front. A window that
    // was closed shows the stored settings again; an open one keeps the
    // choices the user is making.
    void show();

    OptionsForm* form() const { return form_; }  // nullptr before the first show

private:
    SettingsStore& store_;
    MessageBoxes& boxes_;
    QPointer<QWidget> owner_;
    QPointer<OptionsForm> form_;
};

}  // namespace kesora::shell
