// The database folder setup: the first-run dialogue, Form17 with its drive
// and folder lists, "database.dat" written in one step, and 設定(&S).
#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "engine/chart_sheet.hpp"
#include "shell/database/record_set.hpp"
#include "shell/main_window/main_window.hpp"
#include "shell/setup/database_location.hpp"
#include "shell/setup/folder_form.hpp"
#include "shell/setup/folder_list.hpp"
#include "shell/setup/pickable_drives.hpp"
#include "tests/database/person_rows.hpp"
#include "tests/support/qt_strings.hpp"

using namespace kesora;
using namespace kesora::testing;
using shell::Drive;
using shell::FolderForm;
using shell::MainWindow;
using shell::MountedVolume;

namespace {

constexpr const char* kFirstRunQuestion =
    "ask|KesoraＳ|初めてのご利用ですね。\r\nまずは、データベースの設定をしてもらいます。\r\n準備はよろしいですか。";

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Listed(const std::vector<Drive>& drives) {
    QStringList listed;
    for (const Drive& drive : drives) listed << drive.caption + "|" + drive.folder;
    return listed;
}

QStringList Entries(const shell::FolderList& list) {
    QStringList entries;
    for (int i = 0; i < list.count(); ++i) entries << list.item(i)->text();
    return entries;
}

// The main window started in a current folder that may hold a "database.dat".
struct Program {
    ScriptedBoxes boxes;
    ChartSheet sheet;
    QTemporaryDir programFolder;
    QTemporaryDir currentFolder;
    QTemporaryDir choices;  // folders the user picks from
    std::unique_ptr<MainWindow> window;
    int endRequests = 0;

    QString datPath() const { return currentFolder.filePath("database.dat"); }
    void writeDat(const QByteArray& bytes) const {
        QFile file(datPath());
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write database.dat");
        file.write(bytes);
    }
    bool start() {
        window = std::make_unique<MainWindow>(boxes, sheet, shell::MainWindowHooks{});
        QObject::connect(window.get(), &MainWindow::endRequested, [this] { ++endRequests; });
        return window->startUp(currentFolder.path(), programFolder.path());
    }
    FolderForm* form() const { return window->folderForm(); }
    void choose(const QString& folder) const { form()->folders()->setPath(folder); }
    void click(const char* button) const { QTest::mouseClick(form()->controls()[button], Qt::LeftButton); }
    QAction* menuItem(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }
};

}  // namespace

class TestFolderSetup : public QObject {
    Q_OBJECT

private slots:
    void pickableDrives_data() {
        QTest::addColumn<QStringList>("mounted");  // root path, or root path|label
        QTest::addColumn<QString>("home");
        QTest::addColumn<QStringList>("drives");
        QTest::newRow("system mounts are left out")
            << QStringList{"/", "/proc", "/sys", "/run", "/dev/shm", "/home", "/boot/efi"} << "/home/hanako"
            << QStringList{"/|/", "ホーム (/home/hanako)|/home/hanako"};
        QTest::newRow("removable media, in path order")
            << QStringList{"/", "/run/media/hanako/CARD|", "/media/hanako/USB|KESORA", "/mnt/backup|", "/mnt|", "/media|"}
            << "/home/hanako"
            << QStringList{"/|/", "ホーム (/home/hanako)|/home/hanako", "KESORA (/media/hanako/USB)|/media/hanako/USB",
                           "backup (/mnt/backup)|/mnt/backup", "CARD (/run/media/hanako/CARD)|/run/media/hanako/CARD"};
        QTest::newRow("home at the root") << QStringList{"/"} << "/" << QStringList{"/|/"};
    }
    void pickableDrives() {
        QFETCH(QStringList, mounted);
        QFETCH(QString, home);
        QFETCH(QStringList, drives);
        std::vector<MountedVolume> volumes;
        for (const QString& entry : mounted) volumes.push_back({entry.section('|', 0, 0), entry.section('|', 1)});
        QCOMPARE(Listed(shell::PickableDrives(volumes, home)), drives);
    }

    void driveHoldingAFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("drive");
        QTest::newRow("on the stick") << "/media/u/USB/kesora" << 2;
        QTest::newRow("the stick itself") << "/media/u/USB" << 2;
        QTest::newRow("a name that only starts alike") << "/media/u/USB2" << 0;
        QTest::newRow("in the home folder") << "/home/u/docs" << 1;
        QTest::newRow("elsewhere") << "/opt/kesora" << 0;
    }
    void driveHoldingAFolder() {
        QFETCH(QString, folder);
        QFETCH(int, drive);
        const std::vector<Drive> drives{{"/", "/"}, {"home", "/home/u"}, {"USB", "/media/u/USB"}};
        QCOMPARE(shell::DriveHolding(drives, folder), drive);
    }

    void folderListShowsParentsThenFolders() {
        QTemporaryDir top;
        for (const char* name : {"b", "a", ".hidden", "四柱推命"}) QVERIFY(QDir(top.path()).mkdir(name));
        QFile(top.filePath("file.txt")).open(QIODevice::WriteOnly);
        shell::FolderList list;
        QSignalSpy moved(&list, &shell::FolderList::pathChanged);
        list.setPath(top.path());
        const QStringList parts = top.path().split('/', Qt::SkipEmptyParts);
        const QStringList entries = Entries(list);
        QCOMPARE(entries.size(), parts.size() + 1 + 3);
        QCOMPARE(entries.first(), QString("/"));
        QCOMPARE(entries[parts.size()].trimmed(), parts.last());
        QCOMPARE(list.currentRow(), parts.size());
        QCOMPARE(entries.mid(parts.size() + 1).replaceInStrings(" ", ""), (QStringList{"a", "b", "四柱推命"}));
        // Double-click (activation) opens a folder.
        emit list.itemActivated(list.item(parts.size() + 3));
        QCOMPARE(list.path(), top.filePath("四柱推命"));
        QCOMPARE(moved.count(), 2);
        // A folder that is gone opens its nearest parent.
        list.setPath(top.filePath("gone/deeper"));
        QCOMPARE(list.path(), top.path());
    }

    void choosingADriveMovesTheFolderList() {
        QTemporaryDir stick, elsewhere;
        ScriptedBoxes boxes;
        FolderForm form(boxes, elsewhere.filePath("database.dat"), {});
        form.showDrives({{"/", "/"}, {"stick", stick.path()}}, elsewhere.path());
        QCOMPARE(form.drives()->currentIndex(), 0);
        QCOMPARE(form.folders()->path(), elsewhere.path());
        form.drives()->setCurrentIndex(1);
        QCOMPARE(form.folders()->path(), stick.path());
        form.drives()->setCurrentIndex(0);
        QCOMPARE(form.folders()->path(), QString("/"));
    }

    void folderWindowLayout() {
        ScriptedBoxes boxes;
        FolderForm form(boxes, "database.dat", {});
        QCOMPARE(form.windowTitle(), QString("データベース設定"));
        QCOMPARE(form.size(), QSize(218, 232));
        QCOMPARE(form.controls()["Dir1"]->geometry(), QRect(8, 8, 145, 142));
        QCOMPARE(form.controls()["Drive1"]->geometry(), QRect(8, 160, 113, 20));
        QCOMPARE(form.controls().get<QPushButton>("Command1")->text(), QString("OK"));
        QCOMPARE(form.controls().get<QPushButton>("Command2")->text(), QString("ｷｬﾝｾﾙ"));
        QCOMPARE(form.controls().get<QLabel>("Label1")->text(), QString("Kesoraフォルダ（ディレクトリ）を選択してください。"));
        QStringList tabOrder;
        QWidget* w = form.controls()["Dir1"];
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty()) tabOrder << w->objectName();
            w = w->nextInFocusChain();
        } while (w != form.controls()["Dir1"]);
        QCOMPARE(tabOrder, (QStringList{"Dir1", "Command1", "Command2", "Drive1"}));
    }

    void locationFileRoundTrip_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << "/home/hanako/kesora";
        QTest::newRow("Japanese, with blanks") << "/home/花子/四柱推命 データ";
        QTest::newRow("with a comma") << "/srv/a,b";
    }
    void locationFileRoundTrip() {
        QFETCH(QString, folder);
        QTemporaryDir current;
        const QString path = current.filePath("database.dat");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(300, 'x') + "\r\nsecond line\r\n");
        old.close();
        QCOMPARE(shell::WriteDatabaseLocation(path, folder), std::nullopt);
        QCOMPARE(Contents(path), folder.toLocal8Bit() + "\r\n");
        QVERIFY(!shell::ReadDatabaseLocation(path).isEmpty());
        QCOMPARE(FolderListing(current.path()), QStringList{"database.dat"});
    }

    void locationFileThatCannotBeWrittenKeepsItsOldContent() {
        if (!RunUnprivileged("locationFileThatCannotBeWrittenKeepsItsOldContent")) return;
        QTemporaryDir current;
        const QString path = current.filePath("database.dat");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("/old/folder\r\n");
        old.close();
        QVERIFY(chmod(QFile::encodeName(current.path()).constData(), 0555) == 0);
        const auto failure = shell::WriteDatabaseLocation(path, "/new/folder");
        chmod(QFile::encodeName(current.path()).constData(), 0755);
        QVERIFY(failure);
        QCOMPARE(Contents(path), QByteArray("/old/folder\r\n"));
        QVERIFY(shell::WriteDatabaseLocation(QDir(current.path()).filePath("missing/database.dat"), "/x"));
    }

    void firstRunYesThenOk() {
        Program p;
        const QString chosen = QDir(p.choices.path()).filePath("四柱推命 データ");
        QVERIFY(QDir().mkpath(chosen));
        p.boxes.answers = {kAnswerYes};
        QVERIFY(p.start());
        QVERIFY(p.window->awaitingSetup());
        QVERIFY(p.form() && p.form()->isVisible());
        QVERIFY(!p.window->records());
        QVERIFY(!p.window->controls()["Data2"]->isEnabled());
        QVERIFY(!p.window->controls()["Command3"]->isEnabled());
        QCOMPARE(p.form()->folders()->path(), p.currentFolder.path());
        QVERIFY(FolderListing(p.programFolder.path()).isEmpty());
        p.choose(chosen);
        p.click("Command1");
        QCOMPARE(p.boxes.shown.size(), 2u);
        QCOMPARE(Seen(p.boxes.shown[0]), QString(kFirstRunQuestion));
        QCOMPARE(Seen(p.boxes.shown[1]), QString("inform|KesoraＳ|設定は終了しました。設定を有効にするため終了します。"));
        QCOMPARE(p.endRequests, 1);
        QVERIFY(!p.form()->isVisible());
        QCOMPARE(Contents(p.datPath()), chosen.toLocal8Bit() + "\r\n");

        // The next start is a normal one, with the database beside the program.
        Program next;
        next.writeDat(Contents(p.datPath()));
        QVERIFY(next.start());
        QVERIFY(next.boxes.shown.empty());
        QVERIFY(next.window->records());
        QVERIFY(QFile::exists(DatabaseIn(next.programFolder.path())));
        QVERIFY(!QFile::exists(DatabaseIn(chosen)));
    }

    void firstRunNoEndsAndWritesNothing() {
        Program p;
        p.boxes.answers = {kAnswerNo};
        QVERIFY(!p.start());
        QCOMPARE(p.boxes.shown.size(), 1u);
        QVERIFY(!p.form());
        QVERIFY(!QFile::exists(p.datPath()));
        QVERIFY(FolderListing(p.programFolder.path()).isEmpty());
    }

    // A blank location file is a first run too; leaving the folder window either way ends the program.
    void firstRunCancelled_data() {
        QTest::addColumn<QByteArray>("dat");
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("ｷｬﾝｾﾙ, no file") << QByteArray() << false;
        QTest::newRow("close box, blanks only") << QByteArray(" \t　\r\n") << true;
    }
    void firstRunCancelled() {
        QFETCH(QByteArray, dat);
        QFETCH(bool, byCloseBox);
        Program p;
        if (!dat.isNull()) p.writeDat(dat);
        p.boxes.answers = {kAnswerYes};
        QVERIFY(p.start());
        if (byCloseBox) p.form()->close();
        else p.click("Command2");
        QCOMPARE(p.endRequests, 1);
        QCOMPARE(p.boxes.shown.size(), 1u);
        QVERIFY(!p.form()->isVisible());
        QCOMPARE(Contents(p.datPath()), dat.isNull() ? QByteArray() : dat);
        QCOMPARE(QFile::exists(p.datPath()), !dat.isNull());
    }

    void setupFromTheMenu_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK writes and hides") << true;
        QTest::newRow("ｷｬﾝｾﾙ only hides") << false;
    }
    void setupFromTheMenu() {
        QFETCH(bool, ok);
        Program p;
        p.writeDat("/home/someone/kesora\r\n");
        QVERIFY(MakeDatabase(DatabaseIn(p.programFolder.path()), {{"山田", "５９", "２", "４", "時刻", "昭和"}}));
        QVERIFY(p.start());
        p.menuItem("settei")->trigger();
        QVERIFY(p.form()->isVisible());
        p.choose(p.choices.path());
        p.click(ok ? "Command1" : "Command2");
        QVERIFY(!p.form()->isVisible());
        QVERIFY(p.boxes.shown.empty());
        QCOMPARE(p.endRequests, 0);
        QCOMPARE(Contents(p.datPath()), ok ? p.choices.path().toLocal8Bit() + "\r\n" : QByteArray("/home/someone/kesora\r\n"));
        const QString soundFolder = ok ? p.choices.path() : p.programFolder.path();
        QCOMPARE(p.window->clickSoundPath(), QDir(soundFolder).filePath("音１.wav"));
        QCOMPARE(p.window->databasePath(), DatabaseIn(soundFolder));
        // The open database is not swapped in the middle of the run.
        QVERIFY(p.window->records()->hasCurrent());
        QCOMPARE(p.window->records()->field(shell::Field::Name), QString("山田"));
        // A second request shows the same window again.
        FolderForm* first = p.form();
        p.menuItem("settei")->trigger();
        QCOMPARE(p.form(), first);
        QVERIFY(first->isVisible());
    }

    void okWhenTheLocationFileCannotBeWrittenSaysSoAndStays() {
        Program p;
        p.writeDat("/home/someone/kesora\r\n");
        QVERIFY(p.start());
        p.menuItem("settei")->trigger();
        QVERIFY(QDir(p.currentFolder.path()).removeRecursively());
        p.click("Command1");
        QCOMPARE(p.boxes.shown.size(), 1u);
        QVERIFY(Seen(p.boxes.shown[0]).startsWith("inform|KesoraＳ|設定を保存できませんでした。\r\n"));
        QVERIFY(p.form()->isVisible());
        QCOMPARE(p.endRequests, 0);
    }
};

QTEST_MAIN(TestFolderSetup)
#include "test_folder_setup.moc"
