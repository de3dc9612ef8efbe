// Killed with SIGKILL right after 登録 or 削除, Kesora leaves the file with
// exactly the rows it showed; and while one Kesora holds the database, a
// second one is told so and works on without it.
#include <QtTest>

#include <QProcess>

#include "shell/database/database_messages.hpp"
#include "tests/database/window_fixture.hpp"

using namespace kesora;
using namespace kesora::testing;

namespace {

const std::vector<Row> kThree{{"山田", "５９", "２", "４", "11時～13時", "昭和", ""},
                              {"鈴木", "３", "１２", "３１", "1時～3時", "平成", "女"},
                              {"佐藤", "1980", "7", "7", "時刻不明", "西暦", ""}};

// A child Kesora that did `action` and now waits; what its grid showed.
struct Child {
    QProcess process;
    std::vector<Row> shownRows;
    QStringList messages;

    bool start(const DatabaseWindow& w, const QString& action) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(STORE_THEN_WAIT), {w.programFolder.path(), w.currentFolder.path(), action});
        QByteArray output;
        while (!output.contains("ready\n")) {
            if (!process.waitForReadyRead(60000)) return false;
            output += process.readAllStandardOutput();
        }
        for (const QString& line : QString::fromUtf8(output).split('\n')) {
            if (line.startsWith("row: ")) shownRows.push_back(line.mid(5).split('\t'));
            if (line.startsWith("message: ")) messages << line.mid(9);
        }
        return true;
    }
    bool kill() {
        process.kill();  // SIGKILL: no handler, no clean-up
        return process.waitForFinished(60000) && process.exitStatus() == QProcess::CrashExit;
    }
    ~Child() {
        if (process.state() != QProcess::NotRunning) kill();
    }
};

}  // namespace

class TestKillAfterWrite : public QObject {
    Q_OBJECT

private slots:
    void killedRightAfterTheWrite_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<std::vector<Row>>("expected");
        std::vector<Row> stored = kThree;
        stored[0][0] = "書き換え";
        // 新規 came after 登録 had moved on to 鈴木, so the new person takes 平成.
        stored.push_back({"新しい人", "６０", "１", "１５", "時刻不明", "平成", ""});
        QTest::newRow("登録 twice") << "store" << stored;
        QTest::newRow("削除") << "delete" << std::vector<Row>{kThree[0], kThree[2]};
    }
    void killedRightAfterTheWrite() {
        QFETCH(QString, action);
        QFETCH(std::vector<Row>, expected);
        DatabaseWindow w(kThree);
        Child child;
        QVERIFY(child.start(w, action));
        if (action == "store") QCOMPARE(child.messages, QStringList());
        QCOMPARE(child.shownRows, expected);
        QVERIFY(child.kill());
        QCOMPARE(StoredRows(w.path()), expected);
        // The file opens as before: nothing to repair, the lock died with the process.
        QVERIFY(w.start());
        QVERIFY(w.boxes.shown.empty());
        QCOMPARE(w.records().storedCount(), static_cast<int>(expected.size()));
    }

    void secondKesoraWorksOnWithoutTheDatabase() {
        DatabaseWindow w(kThree);
        Child first;
        QVERIFY(first.start(w, "hold"));
        QCOMPARE(first.shownRows, kThree);
        QVERIFY(w.start());
        QCOMPARE(w.boxes.shown.size(), 1u);
        QCOMPARE(Said(w.boxes.shown[0]),
                 "inform|KesoraＳ|" + Text(shell::OpenFailureText(shell::OpenFailure::InUse, w.path())));
        QVERIFY(!w.window->records());
        QVERIFY(!w.navigator()->isEnabled());
        QVERIFY(first.kill());
        QCOMPARE(StoredRows(w.path()), kThree);
    }
};

QTEST_MAIN(TestKillAfterWrite)
#include "test_kill_after_write.moc"
