#pragma once
// The record set the main window's bound boxes, navigator and grid share:
// one current record (or none), moves first/previous/next/last and to a row,
// a new record, deletion, and edits written when the current record changes.
//
// Rows are in key order; a new record sits after the last stored row until it
// is written. A move or a new record whose write fails reports the error and
// stays where it was, edits and all.

#include <QObject>

#include "shell/database/person_fields.hpp"
#include "shell/database/person_file.hpp"

namespace kesora::shell {

class RecordSet final : public QObject {
    Q_OBJECT
public:
    explicit RecordSet(PersonFile& file, QObject* parent = nullptr);

    // Makes the first record current. On an empty table nothing is current and
    // nothing is announced: the bound boxes keep what they show.
    bool start();

    bool hasCurrent() const { return place_ == Place::OnRecord || place_ == Place::New; }
    bool isNew() const { return place_ == Place::New; }
    bool isEdited() const { return edited_; }
    int currentRow() const { return hasCurrent() ? row_ : -1; }
    int storedCount() const { return count_; }
    int rowCount() const { return count_ + (isNew() ? 1 : 0); }  // rows a view shows
    bool onFirst() const;  // on the first row, or before it
    bool onLast() const;   // on the last row (a new one included), or past it

    // The current record as edited; all empty when none is current.
    const PersonFields& fields() const { return fields_; }
    const QString& field(Field field) const { return fields_[IndexOf(field)]; }
    PersonFile& file() const { return file_; }

    // Edits the current record; false when none is current.
    bool setField(Field field, const QString& value);
    // Typing while no record is current starts a new record holding what the
    // boxes show (the table would otherwise have nowhere to keep it).
    void beginNewFromEdit(const PersonFields& shown);

    bool moveFirst();
    bool moveLast();
    bool moveNext();      // past the last row: no current record
    bool movePrevious();  // from past the last row: the last row
    bool moveTo(int row);
    // Appends an empty record holding `defaults` and makes it current; it is
    // written when the current record changes, unless nothing was edited.
    bool addNew(const PersonFields& defaults = {});
    // Deletes the current record; until the next move none is current.
    bool deleteCurrent();

signals:
    void currentChanged();  // the views show the current record (or none)
    void repositioned();    // after every move and new record, once the views show it
    void fieldEdited(kesora::shell::Field field);
    void rowAboutToBeInserted(int row);
    void rowInserted(int row);
    void rowAboutToBeRemoved(int row);
    void rowRemoved(int row);
    void rowWritten(int row);
    void errorOccurred(int code);

private:
    enum class Place { BeforeFirst, OnRecord, New, Deleted, AfterLast };

    bool flush();
    bool arrive(const Lookup& found, int row, Place otherwise);
    void discardNew();
    bool fail();

    PersonFile& file_;
    Place place_ = Place::AfterLast;
    qint64 id_ = 0;  // the current row's key; after a delete, the deleted one's
    int row_ = 0;
    int count_ = 0;
    PersonFields fields_;
    bool edited_ = false;
};

}  // namespace kesora::shell
