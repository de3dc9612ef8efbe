#include "forms/qt_message_boxes.hpp"

#include <QMessageBox>

namespace kesora::forms {

namespace {

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

int Show(QWidget* owner, QMessageBox::Icon icon, std::string_view title, std::string_view text,
         QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, FromUtf8(title), BoxText(text), buttons, owner);
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}

}  // namespace

QString BoxText(std::string_view text) {
    QString s = FromUtf8(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

void QtMessageBoxes::inform(std::string_view title, std::string_view text) {
    Show(owner_, QMessageBox::Information, title, text, QMessageBox::Ok);
}

void QtMessageBoxes::notify(std::string_view title, std::string_view text) {
    Show(owner_, QMessageBox::NoIcon, title, text, QMessageBox::Ok);
}

int QtMessageBoxes::ask(std::string_view title, std::string_view text) {
    const int answer = Show(owner_, QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No);
    return answer == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
}

}  // namespace kesora::forms
