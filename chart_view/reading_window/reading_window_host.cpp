#include "chart_view/reading_window/reading_window_host.hpp"

#include "chart_view/reading_window/reading_window.hpp"

namespace kesora::chart_view {

ReadingWindowHost::~ReadingWindowHost() {
    if (window_) {
        window_->disconnect();
        delete window_;
    }
}

Form15* ReadingWindowHost::load() {
    if (!window_) {
        Form15* loaded = new Form15;
        QObject::connect(loaded, &Form15::unloaded, loaded, [this, loaded] { unloaded(loaded); });
        window_ = loaded;
    }
    return window_;
}

void ReadingWindowHost::unloaded(Form15* closing) {
    if (window_ == closing) window_ = nullptr;
    // A fresh sheet (the chart window gone) is black already, so this changes nothing visible then.
    sheet_.setColor(cell::MonthHiddenStar, kBlack);
    // The window closes from inside its own event handler.
    closing->deleteLater();
}

}  // namespace kesora::chart_view
