#pragma once
// The options window Form16: one frame of options per setting, and the
// buttons OK (save and close), 更新 (save, stay open) and ｷｬﾝｾﾙ (close).

#include <QWidget>
#include <initializer_list>

#include "engine/message_boxes.hpp"
#include "forms/form_spec.hpp"
#include "shell/options/settings_store.hpp"

class QButtonGroup;
class QRadioButton;

namespace kesora::shell {

class OptionsForm final : public QWidget {
    Q_OBJECT
public:
    OptionsForm(SettingsStore& store, MessageBoxes& boxes, QWidget* parent = nullptr);

    // Selects the options that `settings` names (none in a group it leaves
    // open); FontChangePending is 0 afterwards.
    void showSettings(const Settings& settings);
    Settings selectedSettings() const;

    // 1 while the font choice differs from the one last shown or saved.
    int fontChangePending() const { return fontChangePending_; }

    // Asks the font question when needed, then writes the file. False, after
    // telling the user why, when the file could not be written.
    bool save();

private:
    QRadioButton* option(const char* name) const;
    QButtonGroup* groupOf(std::initializer_list<const char*> names);

    SettingsStore& store_;
    MessageBoxes& boxes_;
    forms::Controls controls_;
    QButtonGroup* eras_;
    QButtonGroup* stages_;
    QButtonGroup* sexes_;
    QButtonGroup* music_;
    QButtonGroup* fonts_;
    QButtonGroup* entryDays_;
    int fontChangePending_ = 0;
};

}  // namespace kesora::shell
