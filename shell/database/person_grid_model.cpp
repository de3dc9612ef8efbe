#include "shell/database/person_grid_model.hpp"

namespace kesora::shell {

namespace {

constexpr int kBlockRows = 128;
constexpr std::size_t kBlocksKept = 16;

// Record-selector marks: the current record, the same while edited, a new record.
constexpr const char* kCurrentMark = "▶";
constexpr const char* kEditedMark = "✎";
constexpr const char* kNewMark = "＊";

bool IsFieldColumn(int column) { return column >= 0 && column < static_cast<int>(kFieldCount); }

}  // namespace

PersonGridModel::PersonGridModel(RecordSet& records, QObject* parent) : QAbstractTableModel(parent), records_(records) {
    connect(&records_, &RecordSet::rowAboutToBeInserted, this, [this](int row) {
        reshaping_ = true;
        beginInsertRows({}, row, row);
    });
    connect(&records_, &RecordSet::rowInserted, this, [this] {
        forgetRows();
        endInsertRows();
        reshaping_ = false;
    });
    connect(&records_, &RecordSet::rowAboutToBeRemoved, this, [this](int row) {
        if (markedRow_ == row) markedRow_ = -1;
        reshaping_ = true;
        beginRemoveRows({}, row, row);
    });
    connect(&records_, &RecordSet::rowRemoved, this, [this] {
        forgetRows();
        endRemoveRows();
        reshaping_ = false;
    });
    connect(&records_, &RecordSet::rowWritten, this, [this](int row) {
        forgetRows();
        emit dataChanged(index(row, 0), index(row, kGridColumnCount - 1));
        emit headerDataChanged(Qt::Vertical, row, row);
    });
    connect(&records_, &RecordSet::fieldEdited, this, [this](Field field) {
        const int row = records_.currentRow();
        const int column = static_cast<int>(IndexOf(field));
        emit dataChanged(index(row, column), index(row, column));
        emit headerDataChanged(Qt::Vertical, row, row);
    });
    connect(&records_, &RecordSet::currentChanged, this, &PersonGridModel::markCurrent);
    markedRow_ = records_.currentRow();
}

int PersonGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : records_.rowCount(); }

int PersonGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kGridColumnCount; }

void PersonGridModel::forgetRows() {
    blocks_.clear();
    recent_.clear();
}

void PersonGridModel::markCurrent() {
    const int previous = markedRow_;
    markedRow_ = records_.currentRow();
    for (const int row : {previous, markedRow_}) {
        if (row < 0 || row >= rowCount()) continue;
        emit dataChanged(index(row, 0), index(row, kGridColumnCount - 1));
        emit headerDataChanged(Qt::Vertical, row, row);
    }
}

// A failed read shows blank cells; errors are reported by the record
// operations, never from inside painting.
const PersonFields& PersonGridModel::storedRow(int row) const {
    static const PersonFields kBlank;
    const int block = row / kBlockRows;
    auto found = blocks_.find(block);
    if (found == blocks_.end()) {
        if (blocks_.size() >= kBlocksKept) {
            blocks_.erase(recent_.front());
            recent_.pop_front();
        }
        std::vector<PersonFields> fields;
        if (const auto rows = records_.file().rows(block * kBlockRows, kBlockRows)) {
            fields.reserve(rows->size());
            for (const StoredPerson& person : *rows) fields.push_back(person.fields);
        }
        found = blocks_.emplace(block, std::move(fields)).first;
        recent_.push_back(block);
    }
    const auto& rows = found->second;
    const auto offset = static_cast<std::size_t>(row % kBlockRows);
    return offset < rows.size() ? rows[offset] : kBlank;
}

QVariant PersonGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    if (!IsFieldColumn(index.column())) return QString();
    const auto column = static_cast<std::size_t>(index.column());
    if (index.row() == records_.currentRow()) return records_.fields()[column];
    if (index.row() >= records_.storedCount()) return QString();
    return storedRow(index.row())[column];
}

QVariant PersonGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal)
        return IsFieldColumn(section) ? QString::fromUtf8(kFieldNames[static_cast<std::size_t>(section)]) : QString();
    if (section != records_.currentRow()) return QString();
    if (records_.isEdited()) return QString::fromUtf8(kEditedMark);
    return QString::fromUtf8(records_.isNew() ? kNewMark : kCurrentMark);
}

Qt::ItemFlags PersonGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (IsFieldColumn(index.column())) flags |= Qt::ItemIsEditable;
    return flags;
}

bool PersonGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !IsFieldColumn(index.column())) return false;
    if (index.row() != records_.currentRow() && !records_.moveTo(index.row())) return false;
    return records_.setField(kFields[static_cast<std::size_t>(index.column())], value.toString());
}

}  // namespace kesora::shell
