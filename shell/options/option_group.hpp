#pragma once
// A frame's options as one group in which at most one is selected, and in
// which "none selected" is a state of its own, as a settings file can leave it.

class QAbstractButton;
class QButtonGroup;

namespace kesora::shell {

// Selects `option` of `group`; nullptr selects none.
void SelectOnly(QButtonGroup& group, QAbstractButton* option);

}  // namespace kesora::shell
