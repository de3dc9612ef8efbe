#include "chart_view/health_window/health_window_host.hpp"

#include "chart_view/health_window/health_window.hpp"

namespace kesora::chart_view {

HealthWindowHost::~HealthWindowHost() {
    if (window_) {
        window_->disconnect();
        delete window_;
    }
}

Form20* HealthWindowHost::load() {
    if (!window_) {
        Form20* loaded = new Form20;
        QObject::connect(loaded, &Form20::unloaded, loaded, [this, loaded] {
            if (window_ == loaded) window_ = nullptr;
            // The window closes from inside its own event handler.
            loaded->deleteLater();
        });
        window_ = loaded;
    }
    return window_;
}

}  // namespace kesora::chart_view
