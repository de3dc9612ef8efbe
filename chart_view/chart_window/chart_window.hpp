#pragma once
// The chart window Form11 ("命式"): renders a chart sheet and follows every
// change of it, and answers clicks on its special-star cells and picture buttons.

#include <QWidget>
#include <array>

#include "engine/chart_sheet.hpp"
#include "engine/message_boxes.hpp"
#include "forms/form_spec.hpp"

class QLabel;

namespace kesora::chart_view {

class Form11 : public QWidget, public ChartSheetObserver {
    Q_OBJECT
public:
    // Observes `sheet` from now until it is destroyed or detached.
    Form11(ChartSheet& sheet, MessageBoxes& boxes, QWidget* parent = nullptr);
    ~Form11() override;

    // Stops following the sheet (for a window on its way out).
    void detach();

    // Renders every cell from the sheet.
    void refill();

    // Label1 … Label52, Image1, Meisiki_Insatu, GessiGenmei.
    QWidget* control(const QString& name) const { return controls_[name]; }
    QLabel* label(int number) const;

    void cellChanged(int label) override;

signals:
    void principalStarReadingRequested();  // click on GessiGenmei
    void printRequested();                 // click on Meisiki_Insatu
    void unloaded();                       // closed by its close box or a double click on the background

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void render(int label);
    void connectEvents();

    ChartSheet& sheet_;
    MessageBoxes& boxes_;
    bool attached_ = true;
    forms::Controls controls_;
    std::array<QLabel*, ChartSheet::kLastLabel + 1> labels_{};
};

}  // namespace kesora::chart_view
