#include "forms/after_first_paint.hpp"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace kesora::forms {

namespace {

class FirstPaintWatcher final : public QObject {
public:
    FirstPaintWatcher(QWidget* window, std::function<void()> work)
        : QObject(window), work_(std::move(work)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !scheduled_) {
            scheduled_ = true;
            watched->removeEventFilter(this);
            // Queued, so the paint that triggered this finishes first.
            QTimer::singleShot(0, this, [this] {
                work_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> work_;
    bool scheduled_ = false;
};

}  // namespace

void RunAfterFirstPaint(QWidget* window, std::function<void()> work) {
    auto* watcher = new FirstPaintWatcher(window, std::move(work));
    window->installEventFilter(watcher);
}

}  // namespace kesora::forms
