#include "chart_view/chart_window/chart_window_host.hpp"

#include <utility>

#include "chart_view/chart_window/chart_window.hpp"

namespace kesora::chart_view {

ChartWindowHost::ChartWindowHost(MessageBoxes& boxes, QObject* parent) : QObject(parent), boxes_(boxes) {}

ChartWindowHost::~ChartWindowHost() { delete window_; }

Form11* ChartWindowHost::showChart() {
    if (!window_) {
        window_ = new Form11(sheet_, boxes_);
        connect(window_, &Form11::principalStarReadingRequested, this,
                &ChartWindowHost::principalStarReadingRequested);
        connect(window_, &Form11::printRequested, this, &ChartWindowHost::printRequested);
        connect(window_, &Form11::unloaded, this, &ChartWindowHost::unload);
    }
    window_->refill();
    // A window shown afresh comes up on top; one already open is brought forward.
    const bool wasShown = window_->isVisible();
    window_->show();
    if (wasShown) window_->raise();
    window_->activateWindow();
    return window_;
}

void ChartWindowHost::unload() {
    if (Form11* closing = std::exchange(window_, nullptr)) {
        closing->detach();
        closing->disconnect(this);
        closing->hide();
        // Unloading may start inside one of the window's own event handlers.
        closing->deleteLater();
    }
    sheet_.reset();
    emit unloaded();
}

}  // namespace kesora::chart_view
