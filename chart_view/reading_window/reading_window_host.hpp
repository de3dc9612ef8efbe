#pragma once
// Loads the reading window on demand, one at most, and unloads it when the
// user closes it. Unloading ends the orange mark on the chart's month-pillar
// 地星 cell, whether or not the chart window is still there.

#include "engine/chart_sheet.hpp"

namespace kesora::chart_view {

class Form15;

class ReadingWindowHost {
public:
    // `sheet` is the chart window's sheet, which outlives this host.
    explicit ReadingWindowHost(ChartSheet& sheet) : sheet_(sheet) {}
    ~ReadingWindowHost();
    ReadingWindowHost(const ReadingWindowHost&) = delete;
    ReadingWindowHost& operator=(const ReadingWindowHost&) = delete;

    ChartSheet& sheet() const { return sheet_; }

    // The loaded window, or null while it is not loaded.
    Form15* window() const { return window_; }

    // The loaded window, loading it (unseen) first if needed.
    Form15* load();

private:
    void unloaded(Form15* closing);

    ChartSheet& sheet_;
    Form15* window_ = nullptr;
};

}  // namespace kesora::chart_view
