#pragma once
// A label or picture that answers the mouse: the chart cells, the prompt
// label, the picture buttons and background pictures.

#include <QLabel>

namespace kesora::forms {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void pressed();        // mouse button down
    void clicked();        // released over the label after a press on it
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool pressedInside_ = false;
};

}  // namespace kesora::forms
