#include "forms/form_spec.hpp"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "forms/clickable_label.hpp"

namespace kesora::forms {

QFont FontOf(const Look& look, const QFont& base) {
    QFont font = base;
    if (look.fontFamily) font.setFamily(QString::fromUtf8(look.fontFamily));
    if (look.pointSize > 0) font.setPointSizeF(look.pointSize);
    font.setBold(look.bold);
    return font;
}

void ApplyLook(QWidget* widget, const Look& look) {
    widget->setFont(FontOf(look, widget->font()));
    QPalette palette = widget->palette();
    // Disabled controls keep the style's greyed text, so a disabled button reads as one.
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, look.foreground);
        palette.setColor(group, QPalette::Text, look.foreground);
        palette.setColor(group, QPalette::ButtonText, look.foreground);
    }
    if (look.background) {
        palette.setColor(QPalette::Window, *look.background);
        // Option buttons fill from their own role, not the window's.
        palette.setColor(widget->backgroundRole(), *look.background);
        widget->setAutoFillBackground(true);
    } else {
        widget->setAutoFillBackground(false);
    }
    widget->setPalette(palette);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setAlignment(look.alignment);
        label->setWordWrap(look.wordWrap);
        label->setFrameStyle(look.border ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
        label->setLineWidth(1);
        label->setMargin(0);
    }
}

namespace {

QWidget* Create(const ControlSpec& control, QWidget* parent) {
    const QString caption = QString::fromUtf8(control.caption ? control.caption : "");
    switch (control.kind) {
    case Kind::Label:
        return new ClickableLabel(caption, parent);
    case Kind::Picture:
    case Kind::PictureButton: {
        auto* picture = new ClickableLabel(parent);
        if (!caption.isEmpty()) picture->setPixmap(QPixmap(caption));
        if (control.kind == Kind::PictureButton) picture->setCursor(Qt::PointingHandCursor);
        return picture;
    }
    case Kind::Button:
        return new QPushButton(caption, parent);
    case Kind::TextBox:
        return new QLineEdit(caption, parent);
    case Kind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setEditText(caption);
        return combo;
    }
    case Kind::Option:
        return new QRadioButton(caption, parent);
    case Kind::Frame:
        return new QGroupBox(caption, parent);
    case Kind::Rule: {
        auto* rule = new QFrame(parent);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Plain);
        return rule;
    }
    }
    return new QWidget(parent);
}

}  // namespace

Controls BuildControls(QWidget* form, std::span<const ControlSpec> specs) {
    Controls controls;
    for (const ControlSpec& control : specs) {
        QWidget* parent = control.parent ? controls[QString::fromUtf8(control.parent)] : form;
        if (!parent) parent = form;
        QWidget* widget = Create(control, parent);
        widget->setObjectName(QString::fromUtf8(control.name));
        widget->setGeometry(control.rect.toPixels());
        if (control.look) ApplyLook(widget, *control.look);
        controls.add(widget->objectName(), widget);
    }
    return controls;
}

}  // namespace kesora::forms
