#include "shell/database/record_binding.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <limits>

namespace kesora::shell {

RecordBinding::RecordBinding(RecordSet& records, BoundBoxes boxes, std::function<void()> shown,
                             std::function<QString()> selectedEra, QObject* parent)
    : QObject(parent), records_(records), boxes_(boxes), shown_(std::move(shown)), selectedEra_(std::move(selectedEra)) {
    // A text box cuts text at 32767 characters by default; a stored name of any length shows whole.
    boxes_.name->setMaxLength(std::numeric_limits<int>::max());
    for (QComboBox* box : {boxes_.year, boxes_.month, boxes_.day, boxes_.hour})
        if (box->lineEdit()) box->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    connect(boxes_.name, &QLineEdit::textChanged, this, [this] { boxEdited(Field::Name); });
    const std::pair<QComboBox*, Field> combos[] = {
        {boxes_.year, Field::Year}, {boxes_.month, Field::Month}, {boxes_.day, Field::Day}, {boxes_.hour, Field::Hour}};
    for (const auto& [box, field] : combos)
        connect(box, &QComboBox::editTextChanged, this, [this, field = field] { boxEdited(field); });
    connect(&records_, &RecordSet::currentChanged, this, &RecordBinding::fill);
    connect(&records_, &RecordSet::fieldEdited, this, [this](Field field) {
        if (!editing_) fillOne(field);
    });
}

QString RecordBinding::text(Field field) const {
    switch (field) {
    case Field::Name: return boxes_.name->text();
    case Field::Year: return boxes_.year->currentText();
    case Field::Month: return boxes_.month->currentText();
    case Field::Day: return boxes_.day->currentText();
    case Field::Hour: return boxes_.hour->currentText();
    case Field::Era: return boxes_.era->text();
    case Field::Sex: return boxes_.sex->text();
    }
    return {};
}

PersonFields RecordBinding::shownFields() const {
    PersonFields fields;
    for (const Field field : kFields) fields[IndexOf(field)] = text(field);
    return fields;
}

// Sets a box without its change signal; true when its text changed.
bool RecordBinding::setText(Field field, const QString& value) {
    if (text(field) == value) return false;
    QComboBox* combo = nullptr;
    switch (field) {
    case Field::Name: {
        const QSignalBlocker quiet(boxes_.name);
        boxes_.name->setText(value);
        return true;
    }
    case Field::Year: combo = boxes_.year; break;
    case Field::Month: combo = boxes_.month; break;
    case Field::Day: combo = boxes_.day; break;
    case Field::Hour: combo = boxes_.hour; break;
    case Field::Era: boxes_.era->setText(value); return true;
    case Field::Sex: boxes_.sex->setText(value); return true;
    }
    const QSignalBlocker quiet(combo);
    combo->setEditText(value);
    return true;
}

void RecordBinding::fill() {
    filling_ = true;
    for (const Field field : kFields) setText(field, records_.field(field));
    filling_ = false;
    if (shown_) shown_();
}

void RecordBinding::fillOne(Field field) {
    filling_ = true;
    const bool changed = setText(field, records_.field(field));
    filling_ = false;
    if (changed && shown_) shown_();
}

void RecordBinding::labelWritten(Field field) { boxEdited(field); }

void RecordBinding::boxEdited(Field field) {
    if (filling_) return;
    editing_ = true;
    if (records_.hasCurrent()) {
        records_.setField(field, text(field));
    } else {
        PersonFields fields = shownFields();
        QString& era = fields[IndexOf(Field::Era)];
        if (era.isEmpty() && selectedEra_) era = selectedEra_();
        records_.beginNewFromEdit(fields);
    }
    editing_ = false;
}

}  // namespace kesora::shell
