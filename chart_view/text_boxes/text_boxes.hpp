#pragma once
// Multi-line text boxes that show a reading: white, wrapping at the box's
// edge, with or without a vertical scroll bar. The window kit's own text box
// holds one line only.

#include <QString>
#include <span>
#include <string_view>

#include "forms/form_spec.hpp"

class QPlainTextEdit;

namespace kesora::chart_view {

struct TextBoxSpec {
    const char* name;
    forms::Twips rect;
    bool verticalScrollBar;
    const forms::Look* look = nullptr;  // nullptr: the window's font
};

// Builds the boxes onto `form` in order and adds them to `controls` by name.
void BuildTextBoxes(QWidget* form, std::span<const TextBoxSpec> specs, forms::Controls& controls);

// Shows a stored text in a box; its lines are joined by CR LF.
void SetBoxText(QPlainTextEdit* box, std::string_view text);

}  // namespace kesora::chart_view
