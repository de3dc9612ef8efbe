// Without Qt's SQLite driver the database's error event runs: the question
// about the driver package, then the advice for the answer; the program
// works on without the database.
#include <QtTest>

#include "shell/database/database_messages.hpp"
#include "tests/database/window_fixture.hpp"

using namespace kesora;
using namespace kesora::testing;

class TestMissingDriver : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // No plugin folder: Qt finds no SQL driver at all (the platform plugin is loaded already).
        QCoreApplication::setLibraryPaths({emptyPlugins_.path()});
        QVERIFY(!QSqlDatabase::isDriverAvailable("QSQLITE"));
    }

    void errorEventAsksAboutTheDriver_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("advice");
        QTest::newRow("not installed") << kAnswerNo << Text(shell::kDriverMissingAdvice);
        QTest::newRow("installed") << kAnswerYes << Text(shell::kFileErrorAdvice);
    }
    void errorEventAsksAboutTheDriver() {
        QFETCH(int, answer);
        QFETCH(QString, advice);
        DatabaseWindow w;
        w.boxes.answers = {answer};
        QVERIFY(w.start());
        QCOMPARE(w.boxes.shown.size(), 2u);
        QVERIFY(Said(w.boxes.shown[0]).startsWith("ask|KesoraＳ|データベース機能のエラーです。\r\n"));
        QCOMPARE(Said(w.boxes.shown[1]), "inform|KesoraＳ|" + advice);
        QVERIFY(!w.window->records());
        QVERIFY(!w.navigator()->isEnabled());
        QVERIFY(!QFile::exists(w.path()));
        QTest::mouseClick(w.control("Label1"), Qt::LeftButton);
        w.click("itiran");
        QCOMPARE(w.chartsShown, 1);
    }

private:
    QTemporaryDir emptyPlugins_;
};

QTEST_MAIN(TestMissingDriver)
#include "test_missing_driver.moc"
