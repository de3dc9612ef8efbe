// The main window: entry checks while typing, the chart command, start-up.
#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "forms/clickable_label.hpp"
#include "shell/main_window/main_window.hpp"
#include "tests/support/scripted_boxes.hpp"
#include "tests/support/qt_strings.hpp"

using namespace kesora;
using kesora::testing::Q;
using kesora::testing::Seen;
using kesora::shell::MainWindow;
using kesora::testing::RecordedMessage;
using kesora::testing::ScriptedBoxes;

class TestMainWindow : public QObject {
    Q_OBJECT

    struct Fixture {
        ScriptedBoxes boxes;
        ChartSheet sheet;
        int chartsShown = 0;
        int clicks = 0;
        int musicStops = 0;
        ChartOptions options{EntryDayRule::CurrentMonth, false};
        QTemporaryDir programFolder;  // the person database is made here
        std::unique_ptr<MainWindow> window;
        QTemporaryDir currentFolder;

        explicit Fixture(const char* databaseDat = "/home/someone/kesora\r\n") {
            if (databaseDat) {
                QFile f(currentFolder.filePath("database.dat"));
                if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write database.dat");
                f.write(databaseDat);
            }
            shell::MainWindowHooks hooks;
            hooks.chartOptions = [this] { return options; };
            hooks.showChartWindow = [this] { ++chartsShown; };
            hooks.playClickSound = [this] { ++clicks; };
            hooks.stopMusic = [this] { ++musicStops; };
            window = std::make_unique<MainWindow>(boxes, sheet, hooks);
        }
        bool startUp() { return window->startUp(currentFolder.path(), programFolder.path()); }
        template <class T = QWidget>
        T* control(const char* name) { return window->controls().get<T>(name); }
        QComboBox* box(const char* name) { return control<QComboBox>(name); }
        void type(const char* boxName, const QString& text) {
            QComboBox* b = box(boxName);
            b->setFocus();
            b->lineEdit()->selectAll();
            // The test keyboard knows ASCII only; wider characters arrive as an input method would give them.
            for (const QChar c : text) {
                if (c.unicode() < 0x80)
                    QTest::keyClick(b->lineEdit(), c.toLatin1());
                else
                    b->lineEdit()->insert(QString(c));
            }
        }
    };

private slots:
    void startsWithListsAndPlaceholders() {
        Fixture f;
        QVERIFY(f.startUp());
        QVERIFY(f.boxes.shown.empty());
        QCOMPARE(f.box("Combo1")->currentText(), QString("年"));
        QCOMPARE(f.box("Combo2")->currentText(), QString("月"));
        QCOMPARE(f.box("Combo3")->currentText(), QString("日"));
        QCOMPARE(f.box("Combo4")->currentText(), QString("時刻"));
        QCOMPARE(f.box("Combo1")->count(), 21);
        QCOMPARE(f.box("Combo1")->itemText(0), QString("４０"));
        QCOMPARE(f.box("Combo1")->itemText(20), QString("６０"));
        QCOMPARE(f.box("Combo3")->itemText(30), QString("３１"));
        QCOMPARE(f.box("Combo4")->count(), 14);
        QCOMPARE(f.box("Combo4")->itemText(0), QString("時刻不明"));
        QCOMPARE(f.box("Combo4")->itemText(13), QString("23時～24時"));
        QVERIFY(f.control<QRadioButton>("Option2")->isChecked());
        for (const char* name : {"itiran", "kenkou", "Command9"}) QVERIFY2(!f.control(name)->isEnabled(), name);
        QCOMPARE(f.window->programFolder(), f.programFolder.path());
        QVERIFY(!f.window->awaitingSetup());
    }

    void layoutFollowsTheTwipsSheet() {
        Fixture f;
        QCOMPARE(f.control("itiran")->geometry(), QRect(48, 128, 273, 25));
        QCOMPARE(f.control("Combo4")->geometry(), QRect(296, 88, 89, 20));
        QCOMPARE(f.window->centralWidget()->size(), QSize(445, 188));
        QCOMPARE(f.control<QPushButton>("itiran")->text(), QString("命　式　表　示"));
        QVERIFY(f.control("itiran")->font().bold());
        QCOMPARE(f.control("itiran")->font().pointSizeF(), 15.75);
        const QStringList menus = [&] {
            QStringList titles;
            for (QAction* a : f.window->menuBar()->actions()) titles << a->text();
            return titles;
        }();
        QCOMPARE(menus, (QStringList{"終了(&E)", "できること(&K)", "データベース(&D)", "バージョン情報(&V)", "オプション(&O)"}));
    }

    // Typing 3 then 2 into the day box: accepted after the first key, refused after the second.
    void dayTypedPastThirtyOne() {
        Fixture f;
        QVERIFY(f.startUp());
        f.type("Combo3", "3");
        QVERIFY(f.boxes.shown.empty());
        QCOMPARE(f.box("Combo3")->currentText(), QString("3"));
        QTest::keyClicks(f.box("Combo3")->lineEdit(), "2");
        QCOMPARE(f.boxes.shown.size(), 1u);
        QCOMPARE(Seen(f.boxes.shown[0]), QString("inform|KesoraＳ|１日から３１日の範囲で選択して下さい。"));
        QCOMPARE(f.box("Combo3")->currentText(), QString("日"));
    }

    void monthChecks_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("boxAfter");
        QTest::addColumn<bool>("refused");
        QTest::newRow("full-width １２") << "１２" << "１２" << false;
        QTest::newRow("13") << "13" << "月" << true;
        QTest::newRow("0") << "0" << "月" << true;
    }
    void monthChecks() {
        QFETCH(QString, typed);
        QFETCH(QString, boxAfter);
        QFETCH(bool, refused);
        Fixture f;
        QVERIFY(f.startUp());
        f.type("Combo2", typed);
        QCOMPARE(f.box("Combo2")->currentText(), boxAfter);
        QCOMPARE(f.boxes.shown.size(), refused ? 1u : 0u);
        if (refused) QCOMPARE(Seen(f.boxes.shown[0]), QString("inform|KesoraＳ|１月から１２月の範囲で選択して下さい。"));
    }

    void chartButtonsFollowTheDate() {
        Fixture f;
        QVERIFY(f.startUp());
        f.type("Combo1", "59");
        f.type("Combo2", "2");
        QVERIFY(!f.control("itiran")->isEnabled());
        f.type("Combo3", "4");
        QVERIFY(f.control("itiran")->isEnabled());
        QVERIFY(f.control("kenkou")->isEnabled());
        QVERIFY(f.control("Command9")->isEnabled());
        f.box("Combo1")->setEditText("年");
        QVERIFY(!f.control("itiran")->isEnabled());
        QVERIFY(!f.control("kenkou")->isEnabled());
    }

    // Which actions mark the chart as stale.
    void emptyChartMark_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("marksEmpty");
        QTest::newRow("year typed") << "year" << true;
        QTest::newRow("hour picked from the list") << "hourPick" << true;
        QTest::newRow("month refused") << "month13" << true;
        QTest::newRow("era clicked") << "era" << true;
        QTest::newRow("name typed") << "name" << false;
        QTest::newRow("month set to its placeholder") << "monthPlaceholder" << false;
    }
    void emptyChartMark() {
        QFETCH(QString, action);
        QFETCH(bool, marksEmpty);
        Fixture f;
        QVERIFY(f.startUp());
        f.window->fillSampleDate();
        f.window->runChartCommand();
        QVERIFY(f.sheet.holdsChart());
        if (action == "year") f.type("Combo1", "2");
        if (action == "hourPick") {
            f.box("Combo4")->setCurrentIndex(3);
            emit f.box("Combo4")->activated(3);
        }
        if (action == "month13") f.type("Combo2", "13");
        if (action == "era") QTest::mouseClick(f.control("Option3"), Qt::LeftButton, {}, QPoint(5, 5));
        if (action == "name") f.control<QLineEdit>("Text1")->insert("山田");
        if (action == "monthPlaceholder") f.box("Combo2")->setEditText("月");
        QCOMPARE(!f.sheet.holdsChart(), marksEmpty);
    }

    void eraClickWritesTheHeadingEra() {
        Fixture f;
        QVERIFY(f.startUp());
        QTest::mouseClick(f.control("Option4"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(Q(f.window->eraCaption()), QString("西暦"));
        QCOMPARE(f.window->selectedEra(), Era::Seireki);
        QVERIFY(f.control("Command9")->isEnabled());
    }

    void sampleDateGivesAChart() {
        Fixture f;
        QVERIFY(f.startUp());
        QTest::mouseClick(f.control("Label1"), Qt::LeftButton);
        QCOMPARE(f.box("Combo1")->currentText(), QString("1"));
        QCOMPARE(f.box("Combo2")->currentText(), QString("12"));
        QCOMPARE(f.box("Combo3")->currentText(), QString("31"));
        QCOMPARE(f.box("Combo4")->currentText(), QString("1時～3時"));
        QVERIFY(f.control("itiran")->isEnabled());
        QVERIFY(f.boxes.shown.empty());
        QTest::mouseClick(f.control("itiran"), Qt::LeftButton);
        QCOMPARE(f.chartsShown, 1);
        QCOMPARE(f.clicks, 1);
        QCOMPARE(Q(f.sheet.text(cell::Era)), QString("昭和"));
        // 昭和1-12-31 is 1926-12-31: a 丙寅 year.
        QCOMPARE(Q(f.sheet.text(cell::YearStem)) + Q(f.sheet.text(cell::YearBranch)), QString("丙寅"));
    }

    void enterRunsTheChartCommandOnlyWhenOffered() {
        Fixture f;
        QVERIFY(f.startUp());
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.type("Combo1", "59");
        QTest::keyClick(f.box("Combo1")->lineEdit(), Qt::Key_Return);
        QCOMPARE(f.chartsShown, 0);
        QVERIFY(f.boxes.shown.empty());
        f.type("Combo2", "2");
        f.type("Combo3", "4");
        f.type("Combo4", "7:30");
        QTest::keyClick(f.box("Combo4")->lineEdit(), Qt::Key_Return);
        QCOMPARE(f.chartsShown, 1);
        QCOMPARE(f.box("Combo4")->currentText(), QString("7時～9時"));
        QCOMPARE(Q(f.sheet.text(cell::HourStem)) + Q(f.sheet.text(cell::HourBranch)), QString("丙辰"));
    }

    void eraQuestionAnsweredNo() {
        Fixture f;
        QVERIFY(f.startUp());
        QTest::mouseClick(f.control("Option1"), Qt::LeftButton, {}, QPoint(5, 5));
        f.type("Combo1", "16");
        f.type("Combo2", "1");
        f.type("Combo3", "1");
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.box("Combo3")->setFocus();
        f.boxes.answers = {kAnswerNo};
        QTest::mouseClick(f.control("itiran"), Qt::LeftButton);
        QCOMPARE(f.boxes.shown.size(), 1u);
        QCOMPARE(Seen(f.boxes.shown[0]), QString("ask|Kesora|大正は１５年までですが、入力に間違いはありませんか。"));
        QCOMPARE(f.chartsShown, 0);
        QVERIFY(!f.sheet.holdsChart());
        QCOMPARE(QApplication::focusWidget(), f.box("Combo1"));
    }

    void firstRun_data() {
        QTest::addColumn<QByteArray>("databaseDat");  // null: no file
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("goesOn");
        QTest::newRow("no file, Yes") << QByteArray() << kAnswerYes << true;
        QTest::newRow("no file, No") << QByteArray() << kAnswerNo << false;
        QTest::newRow("blank line, Yes") << QByteArray("\r\n") << kAnswerYes << true;
        QTest::newRow("blanks only, No") << QByteArray("   \u3000 \r\nC:\\x\r\n") << kAnswerNo << false;
        QTest::newRow("comma first") << QByteArray(",C:\\x\r\n") << kAnswerYes << true;
    }
    void firstRun() {
        QFETCH(QByteArray, databaseDat);
        QFETCH(int, answer);
        QFETCH(bool, goesOn);
        Fixture f(databaseDat.isNull() ? nullptr : databaseDat.constData());
        f.boxes.answers = {answer};
        QCOMPARE(f.startUp(), goesOn);
        QCOMPARE(f.boxes.shown.size(), 1u);
        QCOMPARE(Seen(f.boxes.shown[0]),
                 QString("ask|KesoraＳ|初めてのご利用ですね。\r\nまずは、データベースの設定をしてもらいます。\r\n準備はよろしいですか。"));
        if (goesOn) {
            QVERIFY(f.window->awaitingSetup());
            QVERIFY(!f.control("Data2")->isEnabled());
            QVERIFY(f.window->programFolder().isEmpty());
            QVERIFY(f.window->clickSoundPath().isEmpty());
        }
    }

    void otherFolderInDatabaseDatStillUsesTheProgramFolder() {
        Fixture f("/somewhere/else\r\n");
        QVERIFY(f.startUp());
        QCOMPARE(f.window->clickSoundPath(), f.programFolder.filePath("音１.wav"));
        QCOMPARE(f.window->tunePath(), f.programFolder.filePath("M_S1.mid"));
    }

    void menuExitStopsMusicFirst() {
        Fixture f;
        QVERIFY(f.startUp());
        f.window->show();
        f.window->menuBar()->actions().at(0)->trigger();
        QCOMPARE(f.musicStops, 1);
        QVERIFY(!f.window->isVisible());
    }

    void endButtonEndsWithoutStoppingMusic() {
        Fixture f;
        QVERIFY(f.startUp());
        QSignalSpy ended(f.window.get(), &MainWindow::endRequested);
        QTest::mouseClick(f.control("Command2"), Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(f.musicStops, 0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
