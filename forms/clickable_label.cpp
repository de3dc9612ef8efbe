#include "forms/clickable_label.hpp"

#include <QMouseEvent>

namespace kesora::forms {

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    pressedInside_ = true;
    emit pressed();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mouseReleaseEvent(event);
    const bool inside = pressedInside_ && rect().contains(event->position().toPoint());
    pressedInside_ = false;
    if (inside) emit clicked();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mouseDoubleClickEvent(event);
    pressedInside_ = true;
    emit doubleClicked();
}

}  // namespace kesora::forms
