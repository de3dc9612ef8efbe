#pragma once
// DBGrid1: the grid of all stored people. Its selected row is the current
// record: clicking a row moves there, and any move elsewhere selects the row.

#include <QTableView>
#include <memory>

#include "shell/database/person_grid_model.hpp"

namespace kesora::shell {

class PersonGrid final : public QTableView {
    Q_OBJECT
public:
    explicit PersonGrid(QWidget* parent = nullptr);
    ~PersonGrid() override;

    // Shows `records`; nullptr leaves the grid empty.
    void setRecordSet(RecordSet* records);
    PersonGridModel* personModel() const { return model_.get(); }

private:
    void followCurrent();
    void rowChosen(const QModelIndex& index);

    RecordSet* records_ = nullptr;
    std::unique_ptr<PersonGridModel> model_;
    bool following_ = false;
};

}  // namespace kesora::shell
