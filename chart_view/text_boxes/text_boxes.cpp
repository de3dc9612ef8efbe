#include "chart_view/text_boxes/text_boxes.hpp"

#include <QPlainTextEdit>

namespace kesora::chart_view {

void BuildTextBoxes(QWidget* form, std::span<const TextBoxSpec> specs, forms::Controls& controls) {
    for (const TextBoxSpec& description : specs) {
        auto* box = new QPlainTextEdit(form);
        box->setObjectName(QString::fromUtf8(description.name));
        box->setGeometry(description.rect.toPixels());
        if (description.look) box->setFont(forms::FontOf(*description.look, box->font()));
        // The box shows a reading; what the user might type there would be lost anyway.
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(description.verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        box->setPalette(palette);
        controls.add(box->objectName(), box);
    }
}

void SetBoxText(QPlainTextEdit* box, std::string_view text) {
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box->setPlainText(shown);
}

}  // namespace kesora::chart_view
