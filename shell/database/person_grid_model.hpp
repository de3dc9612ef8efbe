#pragma once
// The grid's view of the record set: nine columns (the seven fields and two
// empty ones), a record-selector mark in the row headers, cells editable in
// place. Stored rows are read a block at a time as the grid shows them, so a
// large table costs no more memory than a small one; the current row shows
// its unsaved edits, so the grid and the bound boxes always agree.

#include <QAbstractTableModel>
#include <deque>
#include <map>
#include <vector>

#include "shell/database/record_set.hpp"

namespace kesora::shell {

inline constexpr int kGridColumnCount = 9;

class PersonGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PersonGridModel(RecordSet& records, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An edit makes its row current first, as a click on it would.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // True while a row is being added or removed; the view's current row then
    // moves by itself, which is not the user choosing a row.
    bool reshaping() const { return reshaping_; }

private:
    const PersonFields& storedRow(int row) const;
    void forgetRows();
    void markCurrent();

    RecordSet& records_;
    int markedRow_ = -1;
    bool reshaping_ = false;  // the row whose header carries the selector mark
    // Recently read blocks of rows, by block number, oldest first in `recent_`.
    mutable std::map<int, std::vector<PersonFields>> blocks_;
    mutable std::deque<int> recent_;
};

}  // namespace kesora::shell
