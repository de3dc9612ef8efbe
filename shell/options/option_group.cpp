#include "shell/options/option_group.hpp"

#include <QAbstractButton>
#include <QButtonGroup>

namespace kesora::shell {

void SelectOnly(QButtonGroup& group, QAbstractButton* option) {
    if (option) {
        option->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last checked option.
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons()) button->setChecked(false);
    group.setExclusive(true);
}

}  // namespace kesora::shell
