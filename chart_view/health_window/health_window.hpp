#pragma once
// The health-luck window Form20: the introduction, then the health reading by
// the principal star and the one by the day stem. Closed by its close box.

#include <QWidget>

#include "forms/form_spec.hpp"

class QLabel;
class QPlainTextEdit;

namespace kesora::chart_view {

class Form20 : public QWidget {
    Q_OBJECT
public:
    explicit Form20(QWidget* parent = nullptr);

    // Label1 … Label6, Image1.
    QLabel* label(const char* name) const;
    // Text1, Text2.
    QPlainTextEdit* textBox(const char* name) const;

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    forms::Controls controls_;
};

}  // namespace kesora::chart_view
