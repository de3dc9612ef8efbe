#include "chart_view/chart_window/chart_window.hpp"

#include <QCloseEvent>
#include <QLabel>

#include "chart_view/chart_window/chart_window_layout.hpp"
#include "chart_view/chart_window/fit_caption.hpp"
#include "chart_view/chart_window/special_star_box.hpp"
#include "forms/clickable_label.hpp"
#include "resources/pictures.hpp"

namespace kesora::chart_view {

namespace {

// Star lists end their lines with CR LF; a label breaks lines at LF only.
QString DisplayText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

QColor ToQColor(Rgb rgb) { return {rgb.r, rgb.g, rgb.b}; }

constexpr Qt::WindowFlags kFixedWindow = Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint;

}  // namespace

Form11::Form11(ChartSheet& sheet, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent, kFixedWindow), sheet_(sheet), boxes_(boxes) {
    pictures::Register();
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("命式"));
    setFont(forms::FontOf(Form11WindowLook(), font()));
    setFixedSize(forms::PxSize(kClientWidthTwips, kClientHeightTwips));

    controls_ = forms::BuildControls(this, Form11Controls());
    controls_.get<QLabel>(QString::fromUtf8(kBackgroundName))->setScaledContents(true);
    for (int n = ChartSheet::kFirstLabel; n <= ChartSheet::kLastLabel; ++n) {
        QLabel* cell = controls_.get<QLabel>(QStringLiteral("Label%1").arg(n));
        Q_ASSERT(cell);
        // Captions are data: a name like "<b>" must show as typed.
        cell->setTextFormat(Qt::PlainText);
        labels_[static_cast<std::size_t>(n)] = cell;
    }
    connectEvents();

    sheet_.setObserver(this);
    refill();
}

Form11::~Form11() { detach(); }

void Form11::detach() {
    if (!attached_) return;
    attached_ = false;
    sheet_.setObserver(nullptr);
}

QLabel* Form11::label(int number) const {
    if (number < ChartSheet::kFirstLabel || number > ChartSheet::kLastLabel) return nullptr;
    return labels_[static_cast<std::size_t>(number)];
}

void Form11::refill() {
    for (int n = ChartSheet::kFirstLabel; n <= ChartSheet::kLastLabel; ++n) render(n);
}

void Form11::cellChanged(int label) { render(label); }

void Form11::render(int number) {
    QLabel* cell = label(number);
    if (!cell) return;
    cell->setText(DisplayText(sheet_.text(number)));
    FitCaptionToWidth(cell);
    const QColor colour = ToQColor(sheet_.color(number));
    if (cell->palette().color(QPalette::WindowText) != colour) {
        QPalette palette = cell->palette();
        palette.setColor(QPalette::WindowText, colour);
        cell->setPalette(palette);
    }
    cell->setVisible(sheet_.visible(number));
}

void Form11::connectEvents() {
    using forms::ClickableLabel;
    for (int n : {cell::HourSpecial, cell::DaySpecial, cell::MonthSpecial, cell::YearSpecial}) {
        auto* box = qobject_cast<ClickableLabel*>(label(n));
        connect(box, &ClickableLabel::clicked, this, [this, n] { ShowSpecialStarBox(boxes_, sheet_, n); });
    }

    auto* principalStar = controls_.get<ClickableLabel>(QString::fromUtf8(kPrincipalStarButtonName));
    // The orange marks the cell the reading is about, from the press on, before the reading opens.
    connect(principalStar, &ClickableLabel::pressed, this,
            [this] { sheet_.setColor(cell::MonthHiddenStar, kMarkOrange); });
    connect(principalStar, &ClickableLabel::clicked, this, &Form11::principalStarReadingRequested);

    auto* print = controls_.get<ClickableLabel>(QString::fromUtf8(kPrintButtonName));
    connect(print, &ClickableLabel::clicked, this, &Form11::printRequested);

    auto* background = controls_.get<ClickableLabel>(QString::fromUtf8(kBackgroundName));
    connect(background, &ClickableLabel::doubleClicked, this, &QWidget::close);
}

void Form11::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) emit unloaded();
}

}  // namespace kesora::chart_view
