#include "shell/setup/folder_form.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QSignalBlocker>

#include "shell/setup/database_location.hpp"
#include "shell/setup/folder_layout.hpp"
#include "shell/setup/folder_list.hpp"

namespace kesora::shell {

namespace {

std::string WriteFailureText(const QString& file, const QString& reason) {
    return QStringLiteral("設定を保存できませんでした。\r\n「%1」に書き込めません（%2）。\r\n"
                          "書き込めるフォルダでKesoraを起動してください。")
        .arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()), reason)
        .toStdString();
}

}  // namespace

FolderForm::FolderForm(MessageBoxes& boxes, QString locationFile, FolderFormHooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Window), boxes_(boxes), locationFile_(std::move(locationFile)), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(QStringLiteral("データベース設定"));
    setFixedSize(forms::PxSize(kFolderClientWidth, kFolderClientHeight));
    controls_ = forms::BuildControls(this, FolderControls());

    folders_ = new FolderList(this);
    folders_->setObjectName(QStringLiteral("Dir1"));
    folders_->setGeometry(kFolderListRect.toPixels());
    controls_.add(folders_->objectName(), folders_);
    driveBox_ = new QComboBox(this);
    driveBox_->setObjectName(QStringLiteral("Drive1"));
    driveBox_->setGeometry(kDriveListRect.toPixels());
    controls_.add(driveBox_->objectName(), driveBox_);

    QWidget::setTabOrder(folders_, controls_["Command1"]);
    QWidget::setTabOrder(controls_["Command1"], controls_["Command2"]);
    QWidget::setTabOrder(controls_["Command2"], driveBox_);
    controls_["Label1"]->setFocusPolicy(Qt::NoFocus);

    connect(driveBox_, &QComboBox::currentIndexChanged, this, &FolderForm::driveChosen);
    connect(controls_.get<QPushButton>("Command1"), &QPushButton::clicked, this, &FolderForm::applyFolderChoice);
    connect(controls_.get<QPushButton>("Command2"), &QPushButton::clicked, this, &FolderForm::cancel);
}

void FolderForm::showDrives(std::vector<Drive> drives, const QString& folder) {
    driveList_ = std::move(drives);
    const QSignalBlocker quiet(driveBox_);
    driveBox_->clear();
    for (const Drive& drive : driveList_) driveBox_->addItem(drive.caption);
    driveBox_->setCurrentIndex(DriveHolding(driveList_, QDir::cleanPath(QDir(folder).absolutePath())));
    folders_->setPath(folder);
}

void FolderForm::driveChosen(int index) {
    if (index < 0 || index >= static_cast<int>(driveList_.size())) return;
    folders_->setPath(driveList_[static_cast<std::size_t>(index)].folder);
}

void FolderForm::applyFolderChoice() {
    const QString folder = folders_->path();
    if (const auto failure = WriteDatabaseLocation(locationFile_, QDir::toNativeSeparators(folder))) {
        boxes_.inform(kShellTitle, WriteFailureText(locationFile_, *failure));
        return;
    }
    if (hooks_.redirectDataFiles) hooks_.redirectDataFiles(folder);
    hide();
    if (firstRun()) {
        boxes_.inform(kShellTitle, kSetupDone);
        ending_ = true;
        if (hooks_.endProgram) hooks_.endProgram();
    }
}

void FolderForm::cancel() {
    hide();
    if (firstRun() && !ending_) {
        ending_ = true;
        if (hooks_.endProgram) hooks_.endProgram();
    }
}

// Closing the window is ｷｬﾝｾﾙ.
void FolderForm::closeEvent(QCloseEvent* event) {
    event->accept();
    cancel();
}

}  // namespace kesora::shell
