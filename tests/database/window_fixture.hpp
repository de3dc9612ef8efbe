#pragma once
// The main window over a database in a temporary program folder, with
// scripted message boxes, for the database tests.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <memory>

#include "engine/chart_sheet.hpp"
#include "shell/database/person_grid.hpp"
#include "shell/database/record_navigator.hpp"
#include "shell/database/record_set.hpp"
#include "shell/main_window/main_window.hpp"
#include "tests/database/person_rows.hpp"
#include "tests/support/scripted_boxes.hpp"

namespace kesora::testing {

inline QString Said(const RecordedMessage& m) {
    const char* kind = m.kind == RecordedMessage::Kind::Ask      ? "ask"
                       : m.kind == RecordedMessage::Kind::Inform ? "inform"
                                                                 : "notify";
    return QStringLiteral("%1|%2|%3").arg(QString::fromLatin1(kind), QString::fromUtf8(m.title), QString::fromUtf8(m.text));
}

inline QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

struct DatabaseWindow {
    ScriptedBoxes boxes;
    ChartSheet sheet;
    QTemporaryDir programFolder;
    QTemporaryDir currentFolder;
    QTemporaryDir namedFolder;  // the folder "database.dat" names; never used for data
    std::unique_ptr<shell::MainWindow> window;
    int chartsShown = 0;

    DatabaseWindow() {
        QFile dat(currentFolder.filePath("database.dat"));
        if (!dat.open(QIODevice::WriteOnly)) qFatal("cannot write database.dat");
        dat.write(namedFolder.path().toLocal8Bit() + "\r\n");
    }
    explicit DatabaseWindow(const std::vector<Row>& rows) : DatabaseWindow() {
        if (!MakeDatabase(path(), rows)) qFatal("cannot make the test database");
    }

    QString path() const { return DatabaseIn(programFolder.path()); }

    bool start() {
        shell::MainWindowHooks hooks;
        hooks.showChartWindow = [this] { ++chartsShown; };
        window = std::make_unique<shell::MainWindow>(boxes, sheet, hooks);
        return window->startUp(currentFolder.path(), programFolder.path());
    }

    template <class T = QWidget>
    T* control(const char* name) const {
        return window->controls().get<T>(QString::fromLatin1(name));
    }
    QComboBox* box(const char* name) const { return control<QComboBox>(name); }
    shell::RecordSet& records() const { return *window->records(); }
    shell::PersonGrid* grid() const { return control<shell::PersonGrid>("DBGrid1"); }
    shell::RecordNavigator* navigator() const { return control<shell::RecordNavigator>("Data2"); }
    QAction* menuItem(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }

    // Name, year, month, day, hour and the record's era as the window shows them.
    Row shown() const {
        return {control<QLineEdit>("Text1")->text(), box("Combo1")->currentText(), box("Combo2")->currentText(),
                box("Combo3")->currentText(), box("Combo4")->currentText(), control<QLabel>("Label8")->text()};
    }
    Row gridRow(int row) const {
        Row cells;
        const QAbstractItemModel* model = grid()->model();
        for (int column = 0; column < model->columnCount(); ++column) cells << model->index(row, column).data().toString();
        return cells;
    }

    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    void clickArrow(QToolButton* arrow) { QTest::mouseClick(arrow, Qt::LeftButton); }

    // As the user types: the box's change runs its checks and the binding.
    void type(const char* boxName, const QString& text) {
        if (QString::fromLatin1(boxName) == QLatin1String("Text1")) {
            control<QLineEdit>("Text1")->setText(text);
            return;
        }
        box(boxName)->setEditText(text);
    }

    // The file as stored, read after the window let go of it.
    std::vector<Row> stored() {
        window.reset();
        return StoredRows(path());
    }
};

}  // namespace kesora::testing
