#pragma once
// Loads the health-luck window on demand, one at most, and unloads it when
// the user closes it; the next request loads it afresh.

namespace kesora::chart_view {

class Form20;

class HealthWindowHost {
public:
    HealthWindowHost() = default;
    ~HealthWindowHost();
    HealthWindowHost(const HealthWindowHost&) = delete;
    HealthWindowHost& operator=(const HealthWindowHost&) = delete;

    // The loaded window, or null while it is not loaded.
    Form20* window() const { return window_; }

    // The loaded window, loading it (unseen) first if needed.
    Form20* load();

private:
    Form20* window_ = nullptr;
};

}  // namespace kesora::chart_view
