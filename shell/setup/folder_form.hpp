#pragma once
// The database folder window Form17: the drive list Drive1, the folder list
// Dir1, OK (ApplyFolderChoice) and ｷｬﾝｾﾙ. On the first run both buttons end
// the program: OK after recording the folder, ｷｬﾝｾﾙ without, so the next
// start asks again rather than leaving the user without a database.

#include <QWidget>
#include <functional>
#include <vector>

#include "engine/message_boxes.hpp"
#include "forms/form_spec.hpp"
#include "shell/setup/pickable_drives.hpp"

class QComboBox;

namespace kesora::shell {

class FolderList;

// What the window reaches on the main window.
struct FolderFormHooks {
    std::function<bool()> awaitingSetup;
    std::function<void(const QString& folder)> redirectDataFiles;  // database name and click sound
    std::function<void()> endProgram;
};

inline constexpr std::string_view kSetupDone = "設定は終了しました。設定を有効にするため終了します。";

class FolderForm final : public QWidget {
    Q_OBJECT
public:
    // `locationFile` is the "database.dat" that OK writes.
    FolderForm(MessageBoxes& boxes, QString locationFile, FolderFormHooks hooks, QWidget* parent = nullptr);

    // Fills Drive1 and opens `folder` in Dir1, choosing the drive that holds it.
    void showDrives(std::vector<Drive> drives, const QString& folder);

    void applyFolderChoice();
    void cancel();

    const forms::Controls& controls() const { return controls_; }
    FolderList* folders() const { return folders_; }
    QComboBox* drives() const { return driveBox_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void driveChosen(int index);
    bool firstRun() const { return hooks_.awaitingSetup && hooks_.awaitingSetup(); }

    MessageBoxes& boxes_;
    QString locationFile_;
    FolderFormHooks hooks_;
    forms::Controls controls_;
    FolderList* folders_;
    QComboBox* driveBox_;
    std::vector<Drive> driveList_;
    bool ending_ = false;
};

}  // namespace kesora::shell
