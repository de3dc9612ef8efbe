#include "chart_view/health_window/health_window.hpp"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>

#include "chart_view/health_window/health_window_layout.hpp"
#include "resources/pictures.hpp"

namespace kesora::chart_view {

namespace {

constexpr Qt::WindowFlags kFixedWindow = Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint;

}  // namespace

Form20::Form20(QWidget* parent) : QWidget(parent, kFixedWindow) {
    pictures::Register();
    setObjectName(QStringLiteral("Form20"));
    setWindowTitle(QStringLiteral("健康運"));
    setFont(forms::FontOf(Form20WindowLook(), font()));
    setFixedSize(forms::PxSize(kHealthClientWidthTwips, kHealthClientHeightTwips));

    controls_ = forms::BuildControls(this, Form20Labels());
    BuildTextBoxes(this, Form20TextBoxes(), controls_);
    label(kHealthBackgroundName)->setScaledContents(true);
    // The star and the stem are chart data: shown as they stand.
    label("Label5")->setTextFormat(Qt::PlainText);
    label("Label6")->setTextFormat(Qt::PlainText);
}

QLabel* Form20::label(const char* name) const { return controls_.get<QLabel>(QString::fromUtf8(name)); }

QPlainTextEdit* Form20::textBox(const char* name) const {
    return controls_.get<QPlainTextEdit>(QString::fromUtf8(name));
}

void Form20::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) emit unloaded();
}

}  // namespace kesora::chart_view
