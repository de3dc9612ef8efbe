// The person database as the main window offers it: the first person at
// start, 登録, 新規, 削除, the record's era, the navigator, the grid, the
// database view, and a database that cannot be used.
#include <QtTest>

#include <QHeaderView>
#include <QRadioButton>
#include <QRandomGenerator>
#include <sys/stat.h>

#include "shell/database/database_messages.hpp"
#include "shell/main_window/main_window_layout.hpp"
#include "tests/database/window_fixture.hpp"

using namespace kesora;
using namespace kesora::testing;
using shell::OpenFailure;

Q_DECLARE_METATYPE(shell::OpenFailure)

namespace {

const Row kYamada{"山田", "５９", "２", "４", "11時～13時", "昭和", ""};
const Row kSuzuki{"鈴木", "３", "１２", "３１", "1時～3時", "平成", "女"};
const Row kSato{"佐藤", "1980", "7", "7", "時刻不明", "西暦", ""};
const Row kKato{"加藤", "４５", "３", "３", "5時～7時", "昭和", "男"};
const std::vector<Row> kThree{kYamada, kSuzuki, kSato};

Row OnScreen(const Row& row) { return row.mid(0, 6); }
Row WithName(Row row, const QString& name) {
    row[0] = name;
    return row;
}
QString Checked(const DatabaseWindow& w) {
    for (const char* name : {"Option1", "Option2", "Option3", "Option4"})
        if (w.control<QRadioButton>(name)->isChecked()) return w.control<QRadioButton>(name)->text();
    return {};
}

}  // namespace

class TestDatabaseWindow : public QObject {
    Q_OBJECT

private slots:
    void startShowsTheFirstPersonFromTheProgramFolder() {
        DatabaseWindow w(kThree);
        QVERIFY(w.start());
        QVERIFY(w.boxes.shown.empty());
        QCOMPARE(w.window->databasePath(), w.path());
        QVERIFY(FolderListing(w.namedFolder.path()).isEmpty());
        QCOMPARE(w.shown(), OnScreen(kYamada));
        QCOMPARE(Checked(w), QString("昭和"));
        QVERIFY(!w.control("Command9")->isEnabled());
        QVERIFY(w.control("itiran")->isEnabled());
        QVERIFY(!w.sheet.holdsChart());
        QVERIFY(w.navigator()->nextButton()->isEnabled());
        QCOMPARE(w.grid()->model()->rowCount(), 3);
        QCOMPARE(w.gridRow(1), kSuzuki + Row({"", ""}));
    }

    void missingDatabaseIsCreatedAndTheBoxesKeepTheirPlaceholders() {
        DatabaseWindow w;
        QVERIFY(w.start());
        QVERIFY(w.boxes.shown.empty());
        QVERIFY(QFile::exists(w.path()));
        QCOMPARE(w.shown(), (Row{"氏名", "年", "月", "日", "時刻", "昭和"}));
        QVERIFY(!w.records().hasCurrent());
        QVERIFY(w.control("Command3")->isEnabled());
    }

    // Typing into an empty table, then 登録: the boxes' texts as they stand.
    void storingIntoAnEmptyDatabase() {
        DatabaseWindow w;
        QVERIFY(w.start());
        QTest::mouseClick(w.control("Option4"), Qt::LeftButton, {}, QPoint(5, 5));
        w.type("Combo1", "1980");
        w.type("Combo2", "７");
        w.type("Combo3", "7");
        QVERIFY(w.control("Command9")->isEnabled());
        w.click("Command9");
        QVERIFY(w.boxes.shown.empty());
        QCOMPARE(w.shown(), (Row{"氏名", "1980", "７", "7", "時刻", "西暦"}));
        QVERIFY(!w.control("Command9")->isEnabled());
        QCOMPARE(w.stored(), (std::vector<Row>{{"氏名", "1980", "７", "7", "時刻", "西暦", ""}}));
    }

    void storeOnTheLastRecordKeepsThePersonOnScreen() {
        DatabaseWindow w(kThree);
        QVERIFY(w.start());
        w.clickArrow(w.navigator()->lastButton());
        w.type("Text1", "佐藤花子");
        QVERIFY(w.control("Command9")->isEnabled());
        w.click("Command9");
        QCOMPARE(w.shown(), OnScreen(WithName(kSato, "佐藤花子")));
        QCOMPARE(w.records().currentRow(), 2);
        QVERIFY(!w.control("Command9")->isEnabled());
        QCOMPARE(w.stored(), (std::vector<Row>{kYamada, kSuzuki, WithName(kSato, "佐藤花子")}));
    }

    void storeInTheMiddleShowsTheNextPerson() {
        DatabaseWindow w(kThree);
        QVERIFY(w.start());
        w.type("Combo4", "時刻不明");
        w.click("Command9");
        QCOMPARE(w.shown(), OnScreen(kSuzuki));
        QCOMPARE(Checked(w), QString("平成"));
        Row edited = kYamada;
        edited[4] = "時刻不明";
        QCOMPARE(w.stored(), (std::vector<Row>{edited, kSuzuki, kSato}));
    }

    void storeWithABlankBoxStoresNothing_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("blank");
        QTest::newRow("year empty") << "Combo1" << "";
        QTest::newRow("hour empty") << "Combo4" << "";
        QTest::newRow("hour of blanks") << "Combo4" << " 　 ";
    }
    void storeWithABlankBoxStoresNothing() {
        QFETCH(QString, boxName);
        QFETCH(QString, blank);
        DatabaseWindow w(kThree);
        QVERIFY(w.start());
        w.type("Text1", "変更");
        w.type(qPrintable(boxName), blank);
        w.click("Command9");
        QCOMPARE(w.boxes.shown.size(), 1u);
        QCOMPARE(Said(w.boxes.shown[0]), QString("inform|KesoraＳ|空欄を埋めてください。"));
        QCOMPARE(w.records().currentRow(), 0);
        QCOMPARE(w.stored(), kThree);
    }

    void newPersonThenStore() {
        DatabaseWindow w(kThree);
        QVERIFY(w.start());
        w.window->show();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        w.click("Command3");
        QCOMPARE(w.shown(), (Row{"", "", "", "", "", "昭和"}));
        QVERIFY(w.control("Text1")->hasFocus());
        QCOMPARE(w.grid()->model()->rowCount(), 4);
        w.type("Text1", "新人");
        w.type("Combo1", "６０");
        w.type("Combo2", "１");
        w.type("Combo3", "１５");
        w.type("Combo4", "時刻不明");
        QCOMPARE(w.gridRow(3), (Row{"新人", "６０", "１", "１５", "時刻不明", "昭和", "", "", ""}));
        w.click("Command9");
        QCOMPARE(w.shown(), (Row{"新人", "６０", "１", "１５", "時刻不明", "昭和"}));
        QCOMPARE(w.records().currentRow(), 3);
        QCOMPARE(w.grid()->currentIndex().row(), 3);
        QCOMPARE(w.grid()->model()->rowCount(), 4);
        const Row added{"新人", "６０", "１", "１５", "時刻不明", "昭和", ""};
        QCOMPARE(w.stored(), (std::vector<Row>{kYamada, kSuzuki, kSato, added}));
    }

    void deleteAnsweredYes_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<Row>("after");
        QTest::addColumn<int>("afterRow");
        QTest::newRow("on the last record: the previous one") << 3 << kSato << 2;
        QTest::newRow("in the middle: the next one") << 1 << kSato << 1;
        QTest::newRow("third of four: the fourth") << 2 << kKato << 2;
    }
    void deleteAnsweredYes() {
        QFETCH(int, row);
        QFETCH(Row, after);
        QFETCH(int, afterRow);
        const std::vector<Row> four{kYamada, kSuzuki, kSato, kKato};
        DatabaseWindow w(four);
        QVERIFY(w.start());
        QVERIFY(w.records().moveTo(row));
        w.boxes.answers = {kAnswerYes};
        w.click("Command10");
        QCOMPARE(w.boxes.shown.size(), 1u);
        QCOMPARE(Said(w.boxes.shown[0]), QString("ask|データの削除|このデータを削除しますか。"));
        QCOMPARE(w.shown(), OnScreen(after));
        QCOMPARE(w.records().currentRow(), afterRow);
        QCOMPARE(w.grid()->currentIndex().row(), afterRow);
        QCOMPARE(w.gridRow(afterRow), after + Row({"", ""}));
        QCOMPARE(w.grid()->model()->rowCount(), 3);
        std::vector<Row> left = four;
        left.erase(left.begin() + row);
        QCOMPARE(w.stored(), left);
    }

    void deleteFromTheMenuDeletesTheOnlyPerson() {
        DatabaseWindow w({kYamada});
        QVERIFY(w.start());
        w.boxes.answers = {kAnswerYes};
        w.menuItem("datadelete")->trigger();
        QVERIFY(!w.records().hasCurrent());
        QCOMPARE(w.shown(), (Row{"", "", "", "", "", ""}));
        QVERIFY(w.stored().empty());
    }

    void deleteAnsweredNoWithAnEmptyHourBoxMovesBack() {
        Row noHour = kSuzuki;
        noHour[4] = "";
        DatabaseWindow w({kYamada, noHour, kSato});
        QVERIFY(w.start());
        w.clickArrow(w.navigator()->nextButton());
        QCOMPARE(w.shown(), OnScreen(noHour));
        w.boxes.answers = {kAnswerNo};
        w.click("Command10");
        QCOMPARE(w.shown(), OnScreen(kYamada));
        QCOMPARE(w.stored(), (std::vector<Row>{kYamada, noHour, kSato}));
    }

    void recordEraSelectsItsOption_data() {
        QTest::addColumn<QString>("era");
        QTest::addColumn<QString>("option");
        QTest::newRow("平成") << "平成" << "平成";
        QTest::newRow("大正") << "大正" << "大正";
        QTest::newRow("empty keeps the option") << "" << "西暦";
        QTest::newRow("unexpected keeps the option") << "明治" << "西暦";
        QTest::newRow("with a blank keeps the option") << "平成 " << "西暦";
    }
    void recordEraSelectsItsOption() {
        QFETCH(QString, era);
        QFETCH(QString, option);
        Row second = kSuzuki;
        second[5] = era;
        DatabaseWindow w({kSato, second});
        QVERIFY(w.start());
        QCOMPARE(Checked(w), QString("西暦"));
        w.clickArrow(w.navigator()->nextButton());
        QCOMPARE(Checked(w), option);
        QCOMPARE(w.control<QLabel>("Label8")->text(), era);
        QVERIFY(!w.control("Command9")->isEnabled());
        QVERIFY(!w.sheet.holdsChart());
        // Showing the record changed nothing in it.
        QCOMPARE(w.stored(), (std::vector<Row>{kSato, second}));
    }

    void navigatorArrowsStopAtTheEnds() {
        DatabaseWindow w(kThree);
        QVERIFY(w.start());
        w.clickArrow(w.navigator()->previousButton());
        QCOMPARE(w.shown(), OnScreen(kYamada));
        w.clickArrow(w.navigator()->lastButton());
        w.type("Text1", "最後");
        w.clickArrow(w.navigator()->nextButton());
        QCOMPARE(w.shown(), OnScreen(WithName(kSato, "最後")));
        QVERIFY(!w.control("Command9")->isEnabled());
        w.clickArrow(w.navigator()->firstButton());
        QCOMPARE(w.shown(), OnScreen(kYamada));
        QCOMPARE(w.stored().back(), WithName(kSato, "最後"));
    }

    void gridAndBoxesShowTheSameEdits() {
        DatabaseWindow w(kThree);
        QVERIFY(w.start());
        w.window->show();
        w.window->showDatabaseView();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        shell::PersonGrid* grid = w.grid();

        // A click on a cell of the second row makes that person current.
        const QModelIndex name = grid->model()->index(1, 0);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(name).center());
        QCOMPARE(w.shown(), OnScreen(kSuzuki));
        // Edited in place, the name shows in the name box.
        QTest::keyClick(grid, Qt::Key_F2);
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "Suzuki");
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the grid commits a cell from its event queue
        QCOMPARE(w.chartsShown, 0);  // Enter in a cell is not the chart command's
        QCOMPARE(w.control<QLineEdit>("Text1")->text(), QString("Suzuki"));
        QVERIFY(w.control("Command9")->isEnabled());
        QCOMPARE(grid->model()->headerData(1, Qt::Vertical).toString(), QString("✎"));
        // Typed into a box, the value shows in the grid.
        w.type("Combo1", "４４");
        QCOMPARE(grid->model()->index(1, 1).data().toString(), QString("４４"));
        // Both are written when the current record changes.
        w.clickArrow(w.navigator()->firstButton());
        QCOMPARE(grid->currentIndex().row(), 0);
        Row edited = WithName(kSuzuki, "Suzuki");
        edited[1] = "４４";
        QCOMPARE(w.gridRow(1), edited + Row({"", ""}));
        QCOMPARE(w.stored(), (std::vector<Row>{kYamada, edited, kSato}));
    }

    void longTextsShowWholeAndAreWrittenBackWhole() {
        const QString longName(40000, QChar(u'名'));
        DatabaseWindow w({WithName(kYamada, longName), kSuzuki});
        QVERIFY(w.start());
        w.window->show();
        w.window->showDatabaseView();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QCOMPARE(w.control<QLineEdit>("Text1")->text().size(), longName.size());
        // An edit in the grid's editor of another field of the same record.
        const QModelIndex sex = w.grid()->model()->index(0, 6);
        w.grid()->setCurrentIndex(sex);
        w.grid()->edit(sex);
        auto* editor = w.grid()->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        QCOMPARE(editor->maxLength(), std::numeric_limits<int>::max());
        editor->insert("女");  // as an input method gives it
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        w.type("Combo4", "時刻不明");
        w.clickArrow(w.navigator()->nextButton());
        Row edited = WithName(kYamada, longName);
        edited[4] = "時刻不明";
        edited[6] = "女";
        QCOMPARE(w.stored().front(), edited);
    }

    void gridShowsItsColumnsAndAddsOrDeletesNoRows() {
        DatabaseWindow w(kThree);
        QVERIFY(w.start());
        const QAbstractItemModel* model = w.grid()->model();
        QCOMPARE(model->columnCount(), 9);
        QStringList captions;
        for (int column = 0; column < 9; ++column) captions << model->headerData(column, Qt::Horizontal).toString();
        QCOMPARE(captions, (QStringList{"氏名", "年", "月", "日", "時刻", "年代", "性別", "", ""}));
        QCOMPARE(model->headerData(0, Qt::Vertical).toString(), QString("▶"));
        QVERIFY(model->flags(model->index(0, 6)) & Qt::ItemIsEditable);
        QVERIFY(!(model->flags(model->index(0, 7)) & Qt::ItemIsEditable));
        QVERIFY(!const_cast<QAbstractItemModel*>(model)->insertRows(0, 1));
        QVERIFY(!const_cast<QAbstractItemModel*>(model)->removeRows(0, 1));
        QCOMPARE(w.grid()->font().family(), QString("ＭＳ Ｐゴシック"));
        QCOMPARE(w.grid()->font().pointSizeF(), 9.0);
        QCOMPARE(w.grid()->horizontalHeader()->font().family(), QString("ＭＳ Ｐゴシック"));
        QCOMPARE(w.grid()->geometry(), QRect(16, 208, 361, 105));
    }

    void tabOrderEndsWithTheGrid() {
        DatabaseWindow w(kThree);
        QVERIFY(w.start());
        const QStringList named{"Text1", "Combo1", "Combo2", "Combo3", "Combo4", "itiran", "Option1", "Option2",
                                "Option3", "Option4", "Command1", "Command2", "Command9", "Command3", "Command12",
                                "Command10", "kenkou", "DBGrid1", "Data2"};
        QStringList order;
        QWidget* widget = w.control("Text1");
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) && named.contains(widget->objectName())) order << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != w.control("Text1"));
        QCOMPARE(order, (QStringList{"Text1", "Combo1", "Combo2", "Combo3", "Combo4", "itiran", "Option4", "Option1",
                                     "Option2", "Option3", "Command1", "Command2", "Command9", "Command3", "Command12",
                                     "Command10", "kenkou", "DBGrid1"}));
    }

    // Opened twice (button, then menu), the window grows once; closed twice, it shrinks once.
    void databaseViewOpensOnce() {
        DatabaseWindow w(kThree);
        QVERIFY(w.start());
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        const int compact = w.window->centralWidget()->height();
        w.click("Command12");
        const int extra = forms::Px(shell::kDatabaseViewExtraHeight);
        QCOMPARE(w.window->centralWidget()->height(), compact + extra);
        QVERIFY(!w.control("Command12")->isEnabled());
        QVERIFY(w.control("Line1")->isVisible());
        w.menuItem("datahyouzi")->trigger();
        QCOMPARE(w.window->centralWidget()->height(), compact + extra);
        w.click("Command1");
        QCOMPARE(w.window->centralWidget()->height(), compact);
        QVERIFY(w.control("Command12")->isEnabled());
        QVERIFY(!w.control("Line1")->isVisible());
        w.control<QPushButton>("Command1")->click();
        QCOMPARE(w.window->centralWidget()->height(), compact);
        QVERIFY(w.boxes.shown.empty());
    }

    void fileThatCannotBeUsed_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<OpenFailure>("failure");
        QTest::newRow("random bytes") << "random" << OpenFailure::NotADatabase;
        QTest::newRow("empty file") << "empty" << OpenFailure::EmptyFile;
        QTest::newRow("another program's database") << "foreign" << OpenFailure::OtherProgram;
        QTest::newRow("held by another Kesora") << "held" << OpenFailure::InUse;
    }
    void fileThatCannotBeUsed() {
        QFETCH(QString, kind);
        QFETCH(OpenFailure, failure);
        DatabaseWindow w;
        shell::PersonFile holder;
        if (kind == "random") {
            QFile f(w.path());
            QVERIFY(f.open(QIODevice::WriteOnly));
            QByteArray bytes(4096, '\0');
            QRandomGenerator generator(7);
            for (char& c : bytes) c = static_cast<char>(generator.bounded(256));
            f.write(bytes);
        } else if (kind == "empty") {
            QFile f(w.path());
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else if (kind == "foreign") {
            QVERIFY(RunSql(w.path(), {"CREATE TABLE accounts (owner TEXT)"}));
        } else if (kind == "held") {
            QVERIFY(MakeDatabase(w.path(), kThree));
            QVERIFY(!holder.open(w.path()));
        }
        const QByteArray before = FileDigest(w.path());
        QVERIFY(w.start());
        QCOMPARE(w.boxes.shown.size(), 1u);
        QCOMPARE(Said(w.boxes.shown[0]), "inform|KesoraＳ|" + Text(shell::OpenFailureText(failure, w.path())));
        QCOMPARE(FileDigest(w.path()), before);
        QVERIFY(!w.window->records());
        QVERIFY(!w.control("Data2")->isEnabled());
        for (const char* name : {"Command3", "Command9", "Command10", "Command12"})
            QVERIFY2(!w.control(name)->isEnabled(), name);
        QVERIFY(!w.menuItem("datahyouzi")->isEnabled());
        QVERIFY(!w.menuItem("datadelete")->isEnabled());
        // Typing stays typing, and charts are still cast.
        QTest::mouseClick(w.control("Label1"), Qt::LeftButton);
        QVERIFY(!w.control("Command9")->isEnabled());
        w.click("itiran");
        QCOMPARE(w.chartsShown, 1);
        QCOMPARE(w.boxes.shown.size(), 1u);
    }

    void unwritableProgramFolder() {
        if (!RunUnprivileged("unwritableProgramFolder")) return;
        DatabaseWindow w;
        QVERIFY(chmod(QFile::encodeName(w.programFolder.path()).constData(), 0555) == 0);
        QVERIFY(w.start());
        chmod(QFile::encodeName(w.programFolder.path()).constData(), 0755);
        QCOMPARE(w.boxes.shown.size(), 1u);
        QCOMPARE(Said(w.boxes.shown[0]),
                 "inform|KesoraＳ|" + Text(shell::OpenFailureText(OpenFailure::FolderReadOnly, w.path())));
        QVERIFY(FolderListing(w.programFolder.path()).isEmpty());
        QTest::mouseClick(w.control("Label1"), Qt::LeftButton);
        w.click("itiran");
        QCOMPARE(w.chartsShown, 1);
    }

    void writeErrorIsReported_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("advice");
        QTest::newRow("driver installed") << kAnswerYes << Text(shell::kFileErrorAdvice);
        QTest::newRow("driver not installed") << kAnswerNo << Text(shell::kDriverMissingAdvice);
    }
    void writeErrorIsReported() {
        QFETCH(int, answer);
        QFETCH(QString, advice);
        DatabaseWindow w(kThree);
        QVERIFY(RefuseTheNameErr(w.path()));
        QVERIFY(w.start());
        w.type("Text1", "ERR");
        w.boxes.answers = {answer};
        w.click("Command9");
        QCOMPARE(w.boxes.shown.size(), 2u);
        QCOMPARE(Said(w.boxes.shown[0]),
                 QString("ask|KesoraＳ|データベース機能のエラーです。\r\n"
                         "Qt の SQLite ドライバー（パッケージ libqt6sql6-sqlite）はインストールされていますか。"));
        QCOMPARE(Said(w.boxes.shown[1]), "inform|KesoraＳ|" + advice);
        // Nothing moved: the edit is still on screen, to be stored again.
        QCOMPARE(w.records().currentRow(), 0);
        QCOMPARE(w.shown(), OnScreen(WithName(kYamada, "ERR")));
        QCOMPARE(w.stored(), kThree);
    }
};

QTEST_MAIN(TestDatabaseWindow)
#include "test_database_window.moc"
