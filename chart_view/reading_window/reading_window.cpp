#include "chart_view/reading_window/reading_window.hpp"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>

#include "chart_view/reading_window/reading_window_layout.hpp"
#include "forms/clickable_label.hpp"
#include "resources/pictures.hpp"

namespace kesora::chart_view {

namespace {

constexpr Qt::WindowFlags kFixedWindow = Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint;

}  // namespace

Form15::Form15(QWidget* parent) : QWidget(parent, kFixedWindow) {
    pictures::Register();
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("補運解説"));
    setFont(forms::FontOf(Form15WindowLook(), font()));
    setFixedSize(forms::PxSize(kReadingClientWidthTwips, kReadingClientHeightTwips));

    controls_ = forms::BuildControls(this, Form15Labels());
    BuildTextBoxes(this, Form15TextBoxes(), controls_);
    // The star name is data: shown as it stands.
    label("Label3")->setTextFormat(Qt::PlainText);

    auto* background = controls_.get<forms::ClickableLabel>(QString::fromUtf8(kReadingBackgroundName));
    background->setScaledContents(true);
    connect(background, &forms::ClickableLabel::doubleClicked, this, &QWidget::close);
}

QLabel* Form15::label(const char* name) const { return controls_.get<QLabel>(QString::fromUtf8(name)); }

QPlainTextEdit* Form15::textBox(const char* name) const {
    return controls_.get<QPlainTextEdit>(QString::fromUtf8(name));
}

void Form15::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) emit unloaded();
}

}  // namespace kesora::chart_view
