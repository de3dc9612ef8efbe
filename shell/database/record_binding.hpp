#pragma once
// Binds the main window's boxes to the fields of the current record: a move
// fills the boxes, an edit in a box edits the record, and an edit elsewhere
// (the grid) shows in the box. Filling the boxes from the record is not
// typing: the typing checks stay quiet, and the window's input-changed step
// runs once afterwards.

#include <QObject>
#include <QPointer>
#include <functional>

#include "shell/database/record_set.hpp"

class QComboBox;
class QLabel;
class QLineEdit;

namespace kesora::shell {

struct BoundBoxes {
    QLineEdit* name = nullptr;   // Text1
    QComboBox* year = nullptr;   // Combo1
    QComboBox* month = nullptr;  // Combo2
    QComboBox* day = nullptr;    // Combo3
    QComboBox* hour = nullptr;   // Combo4
    QLabel* era = nullptr;       // Label8
    QLabel* sex = nullptr;       // Label9
};

class RecordBinding final : public QObject {
    Q_OBJECT
public:
    // `shown` runs after the boxes were filled from the record; `selectedEra`
    // gives the era a record begun by typing takes while Label8 is empty.
    RecordBinding(RecordSet& records, BoundBoxes boxes, std::function<void()> shown,
                  std::function<QString()> selectedEra, QObject* parent = nullptr);

    // The labels carry no change signal; whoever writes one calls this.
    void labelWritten(Field field);

    // What the boxes show, field by field.
    PersonFields shownFields() const;

private:
    void fill();
    void fillOne(Field field);
    void boxEdited(Field field);
    QString text(Field field) const;
    bool setText(Field field, const QString& value);

    RecordSet& records_;
    BoundBoxes boxes_;
    std::function<void()> shown_;
    std::function<QString()> selectedEra_;
    bool filling_ = false;
    bool editing_ = false;
};

}  // namespace kesora::shell
