#pragma once
// The reading window Form15: a heading and an introduction above, a heading
// and a personal reading below, and the name of the star the reading is about.
// Closed by its close box or a double click on its background.

#include <QWidget>

#include "forms/form_spec.hpp"

class QLabel;
class QPlainTextEdit;

namespace kesora::chart_view {

class Form15 : public QWidget {
    Q_OBJECT
public:
    explicit Form15(QWidget* parent = nullptr);

    // Label1, Label2, Label3, Image1.
    QLabel* label(const char* name) const;
    // Text1, Text2.
    QPlainTextEdit* textBox(const char* name) const;

signals:
    // Closed by its close box or a double click on the background.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    forms::Controls controls_;
};

}  // namespace kesora::chart_view
