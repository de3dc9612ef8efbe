#pragma once
// The program's message boxes shown as real modal boxes.

#include <QPointer>
#include <QWidget>

#include "engine/message_boxes.hpp"

namespace kesora::forms {

class QtMessageBoxes final : public MessageBoxes {
public:
    // Boxes open over `owner` (the main window), or centred when it is gone.
    explicit QtMessageBoxes(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    void inform(std::string_view title, std::string_view text) override;
    void notify(std::string_view title, std::string_view text) override;
    int ask(std::string_view title, std::string_view text) override;

private:
    QPointer<QWidget> owner_;
};

// Message texts join their lines with CR LF; a box wants plain line feeds.
QString BoxText(std::string_view text);

}  // namespace kesora::forms
