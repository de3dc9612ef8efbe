#include "shell/database/record_navigator.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include "shell/database/record_set.hpp"

namespace kesora::shell {

namespace {

constexpr int kArrowPx = 12;

// Arrows are drawn, not taken from a font, so they look the same everywhere.
QIcon ArrowIcon(bool pointsLeft, bool withBar) {
    QPixmap pixmap(kArrowPx, kArrowPx);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const qreal tip = pointsLeft ? 2 : kArrowPx - 2;
    const qreal base = pointsLeft ? kArrowPx - 3 : 3;
    QPainterPath triangle;
    triangle.moveTo(tip, kArrowPx / 2.0);
    triangle.lineTo(base, 2);
    triangle.lineTo(base, kArrowPx - 2);
    triangle.closeSubpath();
    painter.drawPath(triangle);
    if (withBar) painter.drawRect(QRectF(pointsLeft ? 1 : kArrowPx - 3, 2, 2, kArrowPx - 4));
    return QIcon(pixmap);
}

}  // namespace

RecordNavigator::RecordNavigator(const QString& caption, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    first_ = arrow("First", true, true);
    previous_ = arrow("Previous", true, false);
    caption_ = new QLabel(caption, this);
    caption_->setObjectName(QStringLiteral("Caption"));
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    next_ = arrow("Next", false, false);
    last_ = arrow("Last", false, true);
    row->addWidget(first_);
    row->addWidget(previous_);
    row->addWidget(caption_, 1);
    row->addWidget(next_);
    row->addWidget(last_);

    connect(first_, &QToolButton::clicked, this, [this] {
        if (records_) records_->moveFirst();
    });
    connect(previous_, &QToolButton::clicked, this, [this] {
        if (!records_) return;
        if (records_->onFirst()) records_->moveFirst();
        else records_->movePrevious();
    });
    connect(next_, &QToolButton::clicked, this, [this] {
        if (!records_) return;
        if (records_->onLast()) records_->moveLast();
        else records_->moveNext();
    });
    connect(last_, &QToolButton::clicked, this, [this] {
        if (records_) records_->moveLast();
    });
    setRecordSet(nullptr);
}

QToolButton* RecordNavigator::arrow(const char* name, bool pointsLeft, bool withBar) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(ArrowIcon(pointsLeft, withBar));
    button->setIconSize(QSize(kArrowPx, kArrowPx));
    // Taking the focus on a click lets an open grid cell commit its edit before the move.
    button->setFocusPolicy(Qt::ClickFocus);
    button->setAutoRaise(false);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return button;
}

void RecordNavigator::setRecordSet(RecordSet* records) {
    records_ = records;
    for (QToolButton* button : {first_, previous_, next_, last_}) button->setEnabled(records_ != nullptr);
}

}  // namespace kesora::shell
