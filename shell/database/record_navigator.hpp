#pragma once
// Data2: the navigator bar with its caption between the arrows to the first,
// previous, next and last record. The arrows stop at the ends: "next" on the
// last record stays there (writing any edits), "previous" on the first
// likewise; only the routines move past the end of the table.

#include <QWidget>

class QLabel;
class QToolButton;

namespace kesora::shell {

class RecordSet;

class RecordNavigator final : public QWidget {
    Q_OBJECT
public:
    explicit RecordNavigator(const QString& caption, QWidget* parent = nullptr);

    // The record set the arrows move; nullptr disables them.
    void setRecordSet(RecordSet* records);

    QToolButton* firstButton() const { return first_; }
    QToolButton* previousButton() const { return previous_; }
    QToolButton* nextButton() const { return next_; }
    QToolButton* lastButton() const { return last_; }

private:
    QToolButton* arrow(const char* name, bool pointsLeft, bool withBar);

    RecordSet* records_ = nullptr;
    QToolButton* first_;
    QToolButton* previous_;
    QLabel* caption_;
    QToolButton* next_;
    QToolButton* last_;
};

}  // namespace kesora::shell
