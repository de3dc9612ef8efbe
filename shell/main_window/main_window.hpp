#pragma once
// The main window Form1: the birth-data boxes, the chart command, the menus,
// start-up and exit.

#include <QMainWindow>
#include <functional>

#include "engine/birth_data_form.hpp"
#include "engine/chart_driver.hpp"
#include "forms/form_spec.hpp"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kesora::shell {

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

    // Fills the boxes and reads "database.dat" from `currentFolder`. False when
    // the program is to end at once (the first-run question answered No).
    bool startUp(const QString& currentFolder, const QString& programFolder);

    bool awaitingSetup() const { return awaitingSetup_; }
    const QString& programFolder() const { return programFolder_; }
    QString clickSoundPath() const;
    QString tunePath() const;

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

signals:
    // The button 終了: the program ends at once.
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
    QString programFolder_;
    bool awaitingSetup_ = false;
    bool exiting_ = false;
};

}  // namespace kesora::shell
