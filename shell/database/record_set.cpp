#include "shell/database/record_set.hpp"

namespace kesora::shell {

RecordSet::RecordSet(PersonFile& file, QObject* parent) : QObject(parent), file_(file) {}

bool RecordSet::start() {
    count_ = file_.count();
    if (count_ < 0) {
        count_ = 0;
        return fail();
    }
    place_ = Place::AfterLast;
    row_ = 0;
    if (count_ == 0) return true;
    return moveFirst();
}

bool RecordSet::onFirst() const {
    switch (place_) {
    case Place::BeforeFirst: return true;
    case Place::OnRecord:
    case Place::New: return row_ == 0;
    case Place::Deleted: return false;
    case Place::AfterLast: return count_ == 0;
    }
    return false;
}

bool RecordSet::onLast() const {
    switch (place_) {
    case Place::AfterLast:
    case Place::New: return true;
    case Place::OnRecord: return row_ == count_ - 1;
    case Place::Deleted: return row_ >= count_;
    case Place::BeforeFirst: return count_ == 0;
    }
    return false;
}

bool RecordSet::setField(Field field, const QString& value) {
    if (!hasCurrent()) return false;
    QString& held = fields_[IndexOf(field)];
    if (held == value) return true;
    held = value;
    edited_ = true;
    emit fieldEdited(field);
    return true;
}

void RecordSet::beginNewFromEdit(const PersonFields& shown) {
    if (hasCurrent()) return;
    emit rowAboutToBeInserted(count_);
    place_ = Place::New;
    row_ = count_;
    fields_ = shown;
    edited_ = true;
    emit rowInserted(row_);
    emit currentChanged();
}

bool RecordSet::fail() {
    emit errorOccurred(file_.lastError().nativeErrorCode().toInt());
    return false;
}

void RecordSet::discardNew() {
    const int row = row_;
    emit rowAboutToBeRemoved(row);
    place_ = Place::AfterLast;
    row_ = count_;
    fields_ = {};
    edited_ = false;
    emit rowRemoved(row);
}

// Writes the current record's edits; a new record nobody typed into is dropped.
bool RecordSet::flush() {
    if (place_ == Place::New) {
        if (!edited_) {
            discardNew();
            return true;
        }
        const auto id = file_.insert(fields_);
        if (!id) return fail();
        id_ = *id;
        place_ = Place::OnRecord;
        ++count_;
        edited_ = false;
        emit rowWritten(row_);
        return true;
    }
    if (place_ == Place::OnRecord && edited_) {
        if (!file_.update(id_, fields_)) return fail();
        edited_ = false;
        emit rowWritten(row_);
    }
    return true;
}

// Makes `found` current at `row`, or, when there is no such row, nothing
// current at `otherwise`; then tells the views and the repositioned event.
bool RecordSet::arrive(const Lookup& found, int row, Place otherwise) {
    if (found.failed) return fail();
    if (found.person) {
        place_ = Place::OnRecord;
        id_ = found.person->id;
        row_ = row;
        fields_ = found.person->fields;
    } else {
        place_ = otherwise;
        row_ = otherwise == Place::BeforeFirst ? -1 : count_;
        fields_ = {};
    }
    edited_ = false;
    emit currentChanged();
    emit repositioned();
    return true;
}

bool RecordSet::moveFirst() {
    if (!flush()) return false;
    return arrive(file_.first(), 0, Place::AfterLast);
}

bool RecordSet::moveLast() {
    if (!flush()) return false;
    return arrive(file_.last(), count_ - 1, Place::AfterLast);
}

bool RecordSet::moveNext() {
    if (!flush()) return false;
    switch (place_) {
    case Place::BeforeFirst: return arrive(file_.first(), 0, Place::AfterLast);
    case Place::OnRecord: return arrive(file_.after(id_), row_ + 1, Place::AfterLast);
    case Place::Deleted: return arrive(file_.after(id_), row_, Place::AfterLast);
    case Place::AfterLast:
    case Place::New: return arrive({}, count_, Place::AfterLast);  // nothing lies further on
    }
    return true;
}

bool RecordSet::movePrevious() {
    if (!flush()) return false;
    switch (place_) {
    case Place::AfterLast: return arrive(file_.last(), count_ - 1, Place::BeforeFirst);
    case Place::OnRecord:
    case Place::Deleted: return arrive(file_.before(id_), row_ - 1, Place::BeforeFirst);
    case Place::BeforeFirst:
    case Place::New: return arrive({}, -1, Place::BeforeFirst);
    }
    return true;
}

bool RecordSet::moveTo(int row) {
    if (hasCurrent() && row == row_) return true;
    if (row < 0 || row >= count_) return false;
    if (!flush()) return false;
    const Lookup found = file_.at(row);
    if (!found.failed && !found.person) return false;
    return arrive(found, row, Place::AfterLast);
}

bool RecordSet::addNew(const PersonFields& defaults) {
    if (!flush()) return false;
    emit rowAboutToBeInserted(count_);
    place_ = Place::New;
    row_ = count_;
    fields_ = defaults;
    edited_ = false;
    emit rowInserted(row_);
    emit currentChanged();
    emit repositioned();
    return true;
}

bool RecordSet::deleteCurrent() {
    if (place_ == Place::New) {
        discardNew();
        emit currentChanged();
        return true;
    }
    if (place_ != Place::OnRecord) return false;
    if (!file_.remove(id_)) return fail();
    emit rowAboutToBeRemoved(row_);
    place_ = Place::Deleted;
    --count_;
    fields_ = {};
    edited_ = false;
    emit rowRemoved(row_);
    emit currentChanged();
    return true;
}

}  // namespace kesora::shell
