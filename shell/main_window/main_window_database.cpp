// The main window's database part: opening the person database, the
// database view, and the routines behind 新規, 登録, 削除 and the menus.

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "forms/twips.hpp"
#include "shell/database/database_messages.hpp"
#include "shell/database/person_file.hpp"
#include "shell/database/person_grid.hpp"
#include "shell/database/record_binding.hpp"
#include "shell/database/record_navigator.hpp"
#include "shell/database/record_set.hpp"
#include "shell/main_window/main_window.hpp"
#include "shell/main_window/main_window_layout.hpp"
#include "shell/setup/database_location.hpp"
#include "shell/setup/folder_form.hpp"
#include "shell/setup/folder_list.hpp"
#include "shell/setup/pickable_drives.hpp"

namespace kesora::shell {

namespace {
constexpr const char* kEraOptionNames[] = {"Option1", "Option2", "Option3", "Option4"};
}  // namespace

void MainWindow::redirectDataFiles(const QString& folder) {
    databasePath_ = QDir(folder).filePath(QString::fromUtf8(kDatabaseFileName));
    clickSoundPath_ = QDir(folder).filePath(QStringLiteral("音１.wav"));
}

void MainWindow::enableDatabaseControls(bool enabled) {
    for (const char* name : {"Command3", "Command10", "Command12"}) controls_[name]->setEnabled(enabled);
    if (!enabled) controls_["Command9"]->setEnabled(false);
    showViewItem_->setEnabled(enabled);
    deleteItem_->setEnabled(enabled);
    navigator_->setEnabled(enabled);
}

// Without a usable database the window works on as a chart caster.
void MainWindow::openDatabase() {
    auto file = std::make_unique<PersonFile>();
    if (const auto failure = file->open(databasePath_)) {
        if (*failure == OpenFailure::NoDriver) reportDatabaseError();
        else boxes_.inform(kShellTitle, OpenFailureText(*failure, databasePath_));
        return;
    }
    personFile_ = std::move(file);
    records_ = std::make_unique<RecordSet>(*personFile_);
    const BoundBoxes bound{name_, year_, month_, day_, hour_, controls_.get<QLabel>("Label8"), controls_.get<QLabel>("Label9")};
    binding_ = new RecordBinding(*records_, bound, [this] { inputChanged(); },
                                 [this] { return selectedOption()->text(); }, this);
    connect(records_.get(), &RecordSet::repositioned, this, &MainWindow::syncEraFromRecord);
    connect(records_.get(), &RecordSet::errorOccurred, this, &MainWindow::reportDatabaseError);
    navigator_->setRecordSet(records_.get());
    grid_->setRecordSet(records_.get());
    enableDatabaseControls(true);
    records_->start();
}

void MainWindow::setClientHeight(int twips) {
    centralWidget()->setFixedSize(forms::PxSize(kMainClientWidth, twips));
    adjustSize();
}

// Opening twice would otherwise grow the window twice.
void MainWindow::showDatabaseView() {
    if (databaseViewOpen_) return;
    databaseViewOpen_ = true;
    setClientHeight(kMainCompactClientHeight + kDatabaseViewExtraHeight);
    controls_["Line1"]->show();
    controls_["Command12"]->setEnabled(false);
}

void MainWindow::closeDatabaseView() {
    if (!databaseViewOpen_) return;
    databaseViewOpen_ = false;
    setClientHeight(kMainCompactClientHeight);
    controls_["Line1"]->hide();
    controls_["Command12"]->setEnabled(records_ != nullptr);
}

QRadioButton* MainWindow::selectedOption() const {
    for (const char* name : kEraOptionNames) {
        auto* option = controls_.get<QRadioButton>(QString::fromLatin1(name));
        if (option->isChecked()) return option;
    }
    return controls_.get<QRadioButton>(QStringLiteral("Option2"));
}

bool MainWindow::birthBoxesFilled() const {
    for (const QComboBox* box : {year_, month_, day_, hour_})
        if (box->currentText().trimmed().isEmpty()) return false;
    return true;
}

// A new record takes the era the options show, so that a person stored
// without an era click is recalled with the era they were entered in.
void MainWindow::newPerson() {
    if (!records_) return;
    PersonFields defaults;
    defaults[IndexOf(Field::Era)] = selectedOption()->text();
    if (!records_->addNew(defaults)) return;
    name_->setText(QString());
    name_->setFocus();
}

void MainWindow::storePerson() {
    if (!records_) return;
    if (!birthBoxesFilled()) {
        boxes_.inform(kShellTitle, kFillTheBlanks);
        return;
    }
    if (!records_->moveNext()) return;
    // Stored on the last record: step back so the stored person stays on screen.
    if (!birthBoxesFilled()) records_->movePrevious();
}

void MainWindow::deletePerson() {
    if (!records_) return;
    if (boxes_.ask(kDeleteTitle, kDeleteQuestion) == kAnswerYes) {
        if (records_->hasCurrent() && !records_->deleteCurrent()) return;
        if (!records_->moveNext()) return;
    }
    if (!birthBoxesFilled()) records_->movePrevious();
}

void MainWindow::syncEraFromRecord() {
    const QString era = controls_.get<QLabel>("Label8")->text();
    for (const char* name : kEraOptionNames) {
        auto* option = controls_.get<QRadioButton>(QString::fromLatin1(name));
        if (option->text() == era) {
            option->click();
            break;
        }
    }
    controls_["Command9"]->setEnabled(false);
}

void MainWindow::reportDatabaseError() {
    if (boxes_.ask(kShellTitle, kDatabaseErrorQuestion) == kAnswerNo) boxes_.inform(kShellTitle, kDriverMissingAdvice);
    else boxes_.inform(kShellTitle, kFileErrorAdvice);
}

void MainWindow::showDatabaseSetup() {
    if (!folderForm_) {
        FolderFormHooks hooks;
        hooks.awaitingSetup = [this] { return awaitingSetup_; };
        hooks.redirectDataFiles = [this](const QString& folder) { redirectDataFiles(folder); };
        hooks.endProgram = [this] { emit endRequested(); };
        const QString locationFile = QDir(currentFolder_).filePath(QString::fromUtf8(kDatabaseLocationFile));
        folderForm_ = new FolderForm(boxes_, locationFile, std::move(hooks), this);
    }
    const QString opened = folderForm_->folders()->path();
    folderForm_->showDrives(PickableDrives(MountedVolumes(), QDir::homePath()), opened.isEmpty() ? currentFolder_ : opened);
    folderForm_->show();
    folderForm_->raise();
    folderForm_->activateWindow();
}

}  // namespace kesora::shell
