#include "shell/database/person_grid.hpp"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <limits>

#include "forms/form_spec.hpp"

namespace kesora::shell {

namespace {

const forms::Look kGridLook{.fontFamily = forms::kGothic, .pointSize = 9};
constexpr int kRowHeightPx = 18;
constexpr int kSelectorWidthPx = 16;
constexpr int kColumnWidthPx = 64;

// Cell editors take text of any length, as the table does (not 32767 characters at most).
class CellDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setMaxLength(std::numeric_limits<int>::max());
        return editor;
    }
};

}  // namespace

PersonGrid::PersonGrid(QWidget* parent) : QTableView(parent) {
    const QFont font = forms::FontOf(kGridLook, this->font());
    setFont(font);
    horizontalHeader()->setFont(font);
    verticalHeader()->setFont(font);
    // Fixed sizes: the grid never measures rows it does not show.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeightPx);
    verticalHeader()->setFixedWidth(kSelectorWidthPx);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultSectionSize(kColumnWidthPx);
    horizontalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setItemDelegate(new CellDelegate(this));
    setShowGrid(true);
    setWordWrap(false);
}

PersonGrid::~PersonGrid() { setModel(nullptr); }

void PersonGrid::setRecordSet(RecordSet* records) {
    if (records_) disconnect(records_, nullptr, this, nullptr);
    setModel(nullptr);
    model_.reset();
    records_ = records;
    if (!records_) return;
    model_ = std::make_unique<PersonGridModel>(*records_);
    setModel(model_.get());
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { rowChosen(current); });
    connect(records_, &RecordSet::currentChanged, this, &PersonGrid::followCurrent);
    followCurrent();
}

void PersonGrid::rowChosen(const QModelIndex& index) {
    if (following_ || !records_ || model_->reshaping() || !index.isValid() || index.row() == records_->currentRow())
        return;
    // The new record row is current whenever it exists; any other row is stored.
    if (!records_->moveTo(index.row()))
        QMetaObject::invokeMethod(this, &PersonGrid::followCurrent, Qt::QueuedConnection);
}

void PersonGrid::followCurrent() {
    if (!records_ || !selectionModel()) return;
    const int row = records_->currentRow();
    const QModelIndex current = selectionModel()->currentIndex();
    if (current.isValid() && current.row() == row) return;
    following_ = true;
    if (row < 0) {
        selectionModel()->clear();
    } else {
        const QModelIndex target = model_->index(row, current.isValid() ? current.column() : 0);
        selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
        scrollTo(target);
    }
    following_ = false;
}

}  // namespace kesora::shell
