#pragma once
// The one version window of a run, offered from the main window's menu.

#include <QPointer>

class QWidget;

namespace kesora::shell {

class VersionForm;

class VersionWindow {
public:
    // `owner`, when given, keeps the window above it and takes it down with it.
    explicit VersionWindow(QWidget* owner = nullptr) : owner_(owner) {}
    ~VersionWindow();
    VersionWindow(const VersionWindow&) = delete;
    VersionWindow& operator=(const VersionWindow&) = delete;

    // Loads the window on first use and brings it to the front, modeless.
    void show();

    VersionForm* form() const { return form_; }  // nullptr before the first show

private:
    QPointer<QWidget> owner_;
    QPointer<VersionForm> form_;
};

}  // namespace kesora::shell
