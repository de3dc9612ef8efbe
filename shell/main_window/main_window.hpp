#pragma once
// The main window Form1: the birth-data boxes, the chart command, the menus,
// start-up and exit, and the person database behind its navigator, grid and
// database buttons.

#include <QMainWindow>
#include <functional>
#include <memory>

#include "engine/birth_data_form.hpp"
#include "engine/chart_driver.hpp"
#include "forms/form_spec.hpp"

class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kesora::shell {

class FolderForm;
class PersonFile;
class PersonGrid;
class RecordBinding;
class RecordNavigator;
class RecordSet;

// What the main window reaches beyond itself.
struct MainWindowHooks {
    std::function<ChartOptions()> chartOptions;   // the run's settings, loaded on first use
    std::function<void()> showChartWindow;        // after a chart was cast into the sheet
    std::function<void()> playClickSound;
    std::function<void()> showOptionsWindow;
    std::function<void()> showVersionWindow;
    std::function<void()> showFeatures;
    std::function<void()> stopMusic;              // before the program ends from the menu or close box
    std::function<void()> showHealthLuck;         // the 健康運 button
};

class MainWindow final : public QMainWindow, public BirthDataForm {
    Q_OBJECT
public:
    MainWindow(MessageBoxes& boxes, ChartSheet& sheet, MainWindowHooks hooks, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Fills the boxes and reads "database.dat" from `currentFolder`; on the
    // first run asks and shows the database folder window, otherwise opens the
    // database in `programFolder` and shows its first person. False when the
    // program is to end at once (the first-run question answered No).
    bool startUp(const QString& currentFolder, const QString& programFolder);

    bool awaitingSetup() const { return awaitingSetup_; }
    const QString& programFolder() const { return programFolder_; }
    const QString& databasePath() const { return databasePath_; }
    const QString& clickSoundPath() const { return clickSoundPath_; }
    QString tunePath() const;
    // ApplyFolderChoice: the database name and the click sound for the rest of
    // the run; the open database stays as it is.
    void redirectDataFiles(const QString& folder);

    RecordSet* records() const { return records_.get(); }  // nullptr without a database
    bool databaseViewOpen() const { return databaseViewOpen_; }
    FolderForm* folderForm() const { return folderForm_; }

    const forms::Controls& controls() const { return controls_; }

    // BirthDataForm
    std::string nameText() const override;
    Era selectedEra() const override;
    std::string eraCaption() const override;
    std::string yearText() const override;
    std::string monthText() const override;
    std::string dayText() const override;
    std::string hourText() const override;
    void setHourText(std::string_view text) override;
    void focusYearBox() override;
    void focusHourBox() override;
    ChartRunState& runState() override { return runState_; }

public slots:
    void runChartCommand();
    void fillSampleDate();
    void exitProgram();

    void showDatabaseView();
    void closeDatabaseView();
    void newPerson();
    void storePerson();
    void deletePerson();
    void syncEraFromRecord();
    void reportDatabaseError();
    void showDatabaseSetup();

signals:
    // The program ends at once: the button 終了, and the end of the first-run setup.
    void endRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void fillLists();
    void setTabOrder();
    void connectEntryChecks();
    void eraClicked(QRadioButton* option);
    void dayChanged(const QString& text);
    void monthChanged(const QString& text);
    void inputChanged();
    void openDatabase();
    void enableDatabaseControls(bool enabled);
    bool birthBoxesFilled() const;
    QRadioButton* selectedOption() const;
    void setClientHeight(int twips);

    MessageBoxes& boxes_;
    ChartSheet& sheet_;
    MainWindowHooks hooks_;
    forms::Controls controls_;
    QLineEdit* name_ = nullptr;
    QComboBox* year_ = nullptr;
    QComboBox* month_ = nullptr;
    QComboBox* day_ = nullptr;
    QComboBox* hour_ = nullptr;
    QPushButton* chartButton_ = nullptr;
    ChartRunState runState_;
    QString currentFolder_;
    QString programFolder_;
    QString databasePath_;
    QString clickSoundPath_;  // Text2
    bool awaitingSetup_ = false;
    bool exiting_ = false;

    RecordNavigator* navigator_ = nullptr;  // Data2
    PersonGrid* grid_ = nullptr;            // DBGrid1
    QAction* showViewItem_ = nullptr;
    QAction* deleteItem_ = nullptr;
    bool databaseViewOpen_ = false;
    // The open database; all null while there is none.
    std::unique_ptr<PersonFile> personFile_;
    std::unique_ptr<RecordSet> records_;
    RecordBinding* binding_ = nullptr;
    FolderForm* folderForm_ = nullptr;  // Form17, a child window loaded on first use
};

}  // namespace kesora::shell
