#pragma once
// Owns the chart sheet for the whole run and loads the chart window on
// demand: one window at most, refilled and re-shown on every request, and
// unloaded (window gone, sheet back to a fresh load) when the user closes it.

#include <QObject>

#include "engine/chart_sheet.hpp"
#include "engine/message_boxes.hpp"

namespace kesora::chart_view {

class Form11;

class ChartWindowHost : public QObject {
    Q_OBJECT
public:
    explicit ChartWindowHost(MessageBoxes& boxes, QObject* parent = nullptr);
    ~ChartWindowHost() override;

    ChartSheet& sheet() { return sheet_; }
    const ChartSheet& sheet() const { return sheet_; }

    // The loaded window, or null while it is not loaded.
    Form11* window() const { return window_; }

    // Loads the window if needed, refills it from the sheet, shows it (not modal) and raises it.
    Form11* showChart();

    // Destroys the window, if loaded, and resets the sheet, so the next access loads it fresh.
    void unload();

signals:
    void principalStarReadingRequested();
    void printRequested();
    void unloaded();

private:
    ChartSheet sheet_;
    MessageBoxes& boxes_;
    Form11* window_ = nullptr;
};

}  // namespace kesora::chart_view
