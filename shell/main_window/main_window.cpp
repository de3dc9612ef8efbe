#include "shell/main_window/main_window.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "engine/entry_checks.hpp"
#include "engine/hour_entry.hpp"
#include "engine/pillars.hpp"
#include "forms/clickable_label.hpp"
#include "shell/database/person_file.hpp"
#include "shell/database/person_grid.hpp"
#include "shell/database/record_binding.hpp"
#include "shell/database/record_navigator.hpp"
#include "shell/database/record_set.hpp"
#include "shell/main_window/main_window_layout.hpp"
#include "shell/setup/database_location.hpp"

namespace kesora::shell {

namespace {

std::string Utf8(const QString& s) { return s.toStdString(); }
QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString FullWidthNumber(int n) {
    QString s = QString::number(n);
    for (QChar& c : s) c = QChar(c.unicode() - u'0' + 0xFF10);
    return s;
}

struct EraOption {
    const char* name;
    Era era;
};
constexpr EraOption kEraOptions[] = {
    {"Option1", Era::Taisho}, {"Option2", Era::Showa}, {"Option3", Era::Heisei}, {"Option4", Era::Seireki}};

constexpr const char* kFirstRunQuestion =
    "初めてのご利用ですね。\r\nまずは、データベースの設定をしてもらいます。\r\n準備はよろしいですか。";

}  // namespace

MainWindow::MainWindow(MessageBoxes& boxes, ChartSheet& sheet, MainWindowHooks hooks, QWidget* parent)
    : QMainWindow(parent), boxes_(boxes), sheet_(sheet), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kesora"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(forms::PxSize(kMainClientWidth, kMainCompactClientHeight));
    setCentralWidget(client);
    controls_ = forms::BuildControls(client, MainWindowControls());
    navigator_ = new RecordNavigator(QString::fromUtf8(kNavigatorCaption), client);
    navigator_->setObjectName(QStringLiteral("Data2"));
    navigator_->setGeometry(kNavigatorRect.toPixels());
    controls_.add(navigator_->objectName(), navigator_);
    grid_ = new PersonGrid(client);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->setGeometry(kGridRect.toPixels());
    controls_.add(grid_->objectName(), grid_);

    name_ = controls_.get<QLineEdit>("Text1");
    year_ = controls_.get<QComboBox>("Combo1");
    month_ = controls_.get<QComboBox>("Combo2");
    day_ = controls_.get<QComboBox>("Combo3");
    hour_ = controls_.get<QComboBox>("Combo4");
    chartButton_ = controls_.get<QPushButton>("itiran");

    controls_.get<QRadioButton>("Option2")->setChecked(true);
    for (const char* hidden : {"Line1", "Label8", "Label9"}) controls_[hidden]->hide();
    for (const char* disabled : {"itiran", "kenkou", "Command9"}) controls_[disabled]->setEnabled(false);

    buildMenus();
    setTabOrder();
    connectEntryChecks();

    connect(chartButton_, &QPushButton::clicked, this, &MainWindow::runChartCommand);
    connect(controls_.get<QPushButton>("kenkou"), &QPushButton::clicked, this, [this] {
        if (hooks_.showHealthLuck) hooks_.showHealthLuck();
    });
    connect(controls_.get<forms::ClickableLabel>("Label1"), &forms::ClickableLabel::clicked, this,
            &MainWindow::fillSampleDate);
    connect(controls_.get<QPushButton>("Command2"), &QPushButton::clicked, this, &MainWindow::endRequested);
    connect(controls_.get<QPushButton>("Command3"), &QPushButton::clicked, this, &MainWindow::newPerson);
    connect(controls_.get<QPushButton>("Command9"), &QPushButton::clicked, this, &MainWindow::storePerson);
    connect(controls_.get<QPushButton>("Command10"), &QPushButton::clicked, this, &MainWindow::deletePerson);
    connect(controls_.get<QPushButton>("Command12"), &QPushButton::clicked, this, &MainWindow::showDatabaseView);
    connect(controls_.get<QPushButton>("Command1"), &QPushButton::clicked, this, &MainWindow::closeDatabaseView);
    enableDatabaseControls(false);
    // Enter runs the chart command while it is offered, wherever the focus is,
    // except in the grid, where Enter ends the editing of a cell.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            if (chartButton_->isEnabled()) chartButton_->click();
        });
        // Focus also moves while the window is torn down, so the grid is watched, not assumed.
        connect(qApp, &QApplication::focusChanged, shortcut,
                [grid = QPointer<PersonGrid>(grid_), shortcut](QWidget*, QWidget* now) {
                    shortcut->setEnabled(!grid || !grid->isAncestorOf(now));
                });
    }
    adjustSize();
}

MainWindow::~MainWindow() {
    // Boxes being torn down announce text changes; by then this is no longer
    // a main window, so none of their signals may reach its handlers.
    for (QObject* child : findChildren<QObject*>()) disconnect(child, nullptr, this, nullptr);
    // Likewise the binding, and the views let go of the record set before it goes.
    delete binding_;
    navigator_->setRecordSet(nullptr);
    grid_->setRecordSet(nullptr);
    records_.reset();
    personFile_.reset();
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    QAction* owari = bar->addAction(QStringLiteral("終了(&E)"));
    owari->setObjectName(QStringLiteral("owari"));
    connect(owari, &QAction::triggered, this, &MainWindow::exitProgram);

    QAction* kinou = bar->addAction(QStringLiteral("できること(&K)"));
    kinou->setObjectName(QStringLiteral("kinou"));
    connect(kinou, &QAction::triggered, this, [this] {
        if (hooks_.showFeatures) hooks_.showFeatures();
    });

    QMenu* databesu = bar->addMenu(QStringLiteral("データベース(&D)"));
    databesu->setObjectName(QStringLiteral("databesu"));
    showViewItem_ = databesu->addAction(QStringLiteral("データベース表示(&H)"));
    showViewItem_->setObjectName(QStringLiteral("datahyouzi"));
    connect(showViewItem_, &QAction::triggered, this, &MainWindow::showDatabaseView);
    deleteItem_ = databesu->addAction(QStringLiteral("表示データ削除(&D)"));
    deleteItem_->setObjectName(QStringLiteral("datadelete"));
    connect(deleteItem_, &QAction::triggered, this, &MainWindow::deletePerson);
    databesu->addSeparator()->setObjectName(QStringLiteral("sen1"));
    QAction* settei = databesu->addAction(QStringLiteral("設定(&S)"));
    settei->setObjectName(QStringLiteral("settei"));
    connect(settei, &QAction::triggered, this, &MainWindow::showDatabaseSetup);

    QAction* ver = bar->addAction(QStringLiteral("バージョン情報(&V)"));
    ver->setObjectName(QStringLiteral("Ver"));
    connect(ver, &QAction::triggered, this, [this] {
        if (hooks_.showVersionWindow) hooks_.showVersionWindow();
    });

    QAction* options = bar->addAction(QStringLiteral("オプション(&O)"));
    options->setObjectName(QStringLiteral("option"));
    connect(options, &QAction::triggered, this, [this] {
        if (hooks_.showOptionsWindow) hooks_.showOptionsWindow();
    });
}

void MainWindow::setTabOrder() {
    const char* order[] = {"Text1",   "Combo1",   "Combo2",   "Combo3",    "Combo4",    "itiran",
                           "Option4", "Option1",  "Option2",  "Option3",   "Command1",  "Command2",
                           "Command9", "Command3", "Command12", "Command10", "kenkou", "DBGrid1"};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(controls_[order[i]], controls_[order[i + 1]]);
    for (const char* name : {"Label1", "Label2", "Data2", "Label8", "Label9"})
        controls_[name]->setFocusPolicy(Qt::NoFocus);
}

void MainWindow::connectEntryChecks() {
    for (const EraOption& option : kEraOptions) {
        auto* radio = controls_.get<QRadioButton>(option.name);
        connect(radio, &QRadioButton::clicked, this, [this, radio] { eraClicked(radio); });
    }
    connect(day_, &QComboBox::editTextChanged, this, &MainWindow::dayChanged);
    connect(month_, &QComboBox::editTextChanged, this, &MainWindow::monthChanged);
    for (QComboBox* box : {year_, hour_})
        connect(box, &QComboBox::editTextChanged, this, &MainWindow::inputChanged);
    for (QComboBox* box : {year_, month_, day_, hour_})
        connect(box, &QComboBox::activated, this, &MainWindow::inputChanged);
    // A new name is something to store, though not a new chart.
    connect(name_, &QLineEdit::textChanged, this, [this] { controls_["Command9"]->setEnabled(records_ != nullptr); });
}

void MainWindow::fillLists() {
    const struct {
        QComboBox* box;
        int first, last;
        const char* placeholder;
    } numberLists[] = {{year_, 40, 60, "年"}, {month_, 1, 12, "月"}, {day_, 1, 31, "日"}};
    for (const auto& list : numberLists) {
        const QSignalBlocker quiet(list.box);
        list.box->clear();
        for (int n = list.first; n <= list.last; ++n) list.box->addItem(FullWidthNumber(n));
        list.box->setEditText(QString::fromUtf8(list.placeholder));
    }
    const QSignalBlocker quiet(hour_);
    hour_->clear();
    hour_->addItem(FromUtf8(kHourUnknownText));
    for (std::string_view slot : kHourSlots) hour_->addItem(FromUtf8(slot));
    hour_->setEditText(FromUtf8(kHourPlaceholder));
}

bool MainWindow::startUp(const QString& currentFolder, const QString& programFolder) {
    currentFolder_ = currentFolder;
    fillLists();
    // The era shown in a chart heading until the user picks one.
    controls_["Label8"]->setProperty("text", controls_.get<QRadioButton>("Option2")->text());

    const QString location = ReadDatabaseLocation(QDir(currentFolder).filePath(QString::fromUtf8(kDatabaseLocationFile)));
    if (location.isEmpty()) {
        if (boxes_.ask(kShellTitle, kFirstRunQuestion) != kAnswerYes) return false;
        awaitingSetup_ = true;
        controls_["Data2"]->setEnabled(false);
        controls_["Data2"]->hide();
        showDatabaseSetup();
        return true;
    }
    // Whatever folder the file names, the data files live beside the program.
    programFolder_ = programFolder;
    redirectDataFiles(programFolder_);
    openDatabase();
    return true;
}

QString MainWindow::tunePath() const {
    return programFolder_.isEmpty() ? QString() : QDir(programFolder_).filePath(QStringLiteral("M_S1.mid"));
}

void MainWindow::eraClicked(QRadioButton* option) {
    controls_["Label8"]->setProperty("text", option->text());
    if (binding_) binding_->labelWritten(Field::Era);
    controls_["Command9"]->setEnabled(records_ != nullptr);
    sheet_.markEmpty();
}

void MainWindow::dayChanged(const QString& text) {
    const std::string t = Utf8(text);
    const BoxCheck check = CheckDayEntry(t);
    if (check == BoxCheck::Placeholder) return;
    if (check == BoxCheck::Refused) {
        boxes_.inform(kShellTitle, kDayOutOfRange);
        day_->setEditText(FromUtf8(kDayPlaceholder));
    }
    inputChanged();
}

void MainWindow::monthChanged(const QString& text) {
    const BoxCheck check = CheckMonthEntry(Utf8(text));
    if (check == BoxCheck::Placeholder) return;
    if (check == BoxCheck::Refused) {
        boxes_.inform(kShellTitle, kMonthOutOfRange);
        month_->setEditText(FromUtf8(kMonthPlaceholder));
    }
    inputChanged();
}

void MainWindow::inputChanged() {
    const bool filled = BirthDateFilled(yearText(), monthText(), dayText());
    chartButton_->setEnabled(filled);
    controls_["kenkou"]->setEnabled(filled);
    sheet_.markEmpty();
    controls_["Command9"]->setEnabled(records_ != nullptr);
}

void MainWindow::runChartCommand() {
    const ChartOptions options = hooks_.chartOptions ? hooks_.chartOptions() : ChartOptions{};
    if (!RunChartCommand(*this, boxes_, options, sheet_)) return;
    if (hooks_.playClickSound) hooks_.playClickSound();
    if (hooks_.showChartWindow) hooks_.showChartWindow();
}

void MainWindow::fillSampleDate() {
    year_->setEditText(QStringLiteral("1"));
    month_->setEditText(QStringLiteral("12"));
    day_->setEditText(QStringLiteral("31"));
    hour_->setEditText(QStringLiteral("1時～3時"));
}

void MainWindow::exitProgram() {
    if (exiting_) return;
    exiting_ = true;
    if (hooks_.stopMusic) hooks_.stopMusic();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible()) window->close();
    close();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exiting_) exitProgram();
    event->accept();
}

std::string MainWindow::nameText() const { return Utf8(name_->text()); }

Era MainWindow::selectedEra() const {
    for (const EraOption& option : kEraOptions)
        if (controls_.get<QRadioButton>(option.name)->isChecked()) return option.era;
    return Era::Showa;
}

std::string MainWindow::eraCaption() const { return Utf8(controls_["Label8"]->property("text").toString()); }
std::string MainWindow::yearText() const { return Utf8(year_->currentText()); }
std::string MainWindow::monthText() const { return Utf8(month_->currentText()); }
std::string MainWindow::dayText() const { return Utf8(day_->currentText()); }
std::string MainWindow::hourText() const { return Utf8(hour_->currentText()); }

void MainWindow::setHourText(std::string_view text) { hour_->setEditText(FromUtf8(text)); }
void MainWindow::focusYearBox() { year_->setFocus(); }
void MainWindow::focusHourBox() { hour_->setFocus(); }

}  // namespace kesora::shell
