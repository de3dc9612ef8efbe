// A Kesora main window that stores (or deletes) a person, prints the rows
// its grid shows, says "ready", and then waits to be killed.
//   store_then_wait PROGRAM_FOLDER CURRENT_FOLDER store|delete|hold

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
#include <QtTest>
#include <cstdio>

#include "engine/chart_sheet.hpp"
#include "shell/database/person_grid.hpp"
#include "shell/database/record_set.hpp"
#include "shell/main_window/main_window.hpp"
#include "tests/support/scripted_boxes.hpp"

using namespace kesora;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) return 2;
    testing::ScriptedBoxes boxes;
    ChartSheet sheet;
    shell::MainWindow window(boxes, sheet, {});
    if (!window.startUp(args[2], args[1])) return 3;
    const auto& controls = window.controls();
    const QString action = args[3];
    if (action == "store") {
        // An edit in the middle of the table, then a new person at its end.
        controls.get<QLineEdit>("Text1")->setText(QStringLiteral("書き換え"));
        controls.get<QPushButton>("Command9")->click();
        controls.get<QPushButton>("Command3")->click();
        controls.get<QLineEdit>("Text1")->setText(QStringLiteral("新しい人"));
        const char* typed[][2] = {{"Combo1", "６０"}, {"Combo2", "１"}, {"Combo3", "１５"}, {"Combo4", "時刻不明"}};
        for (const auto& [box, text] : typed) controls.get<QComboBox>(box)->setEditText(QString::fromUtf8(text));
        controls.get<QPushButton>("Command9")->click();
    } else if (action == "delete") {
        window.records()->moveNext();
        boxes.answers = {kAnswerYes};
        controls.get<QPushButton>("Command10")->click();
    }
    QTextStream out(stdout);
    if (!boxes.shown.empty()) out << "message: " << QString::fromStdString(boxes.shown.front().text) << '\n';
    const QAbstractItemModel* grid = controls.get<shell::PersonGrid>("DBGrid1")->model();
    for (int row = 0; grid && row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 7; ++column) cells << grid->index(row, column).data().toString();
        out << "row: " << cells.join('\t') << '\n';
    }
    out << "ready" << Qt::endl;
    return QApplication::exec();
}
