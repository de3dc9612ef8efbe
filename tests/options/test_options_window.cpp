// The options window: showing the settings file, its three buttons, the font
// question, safe saving, and the run's settings store.
#include <QtTest>

#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "shell/options/options_form.hpp"
#include "shell/options/options_layout.hpp"
#include "shell/options/options_window.hpp"
#include "tests/support/scripted_boxes.hpp"

using namespace kesora;
using namespace kesora::shell;
using testing::RecordedMessage;
using testing::ScriptedBoxes;

namespace {

const QByteArray kExampleFile = "2\r\n1\r\n1\r\n1\r\n1\r\n1\r\n";  // 昭和, YES, 男, music, small, 当月
const QString kFileName = QStringLiteral("rizazede.dat");

void WriteFile(const QByteArray& bytes) {
    QFile file(kFileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile() {
    QFile file(kFileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList CheckedOptions(const QWidget* form) {
    QStringList names;
    for (const QRadioButton* option : form->findChildren<QRadioButton*>())
        if (option->isChecked()) names << option->objectName();
    names.sort();
    return names;
}

QStringList Sorted(QStringList names) {
    names.sort();
    return names;
}

QRadioButton* Option(const QWidget* form, const char* name) {
    return form->findChild<QRadioButton*>(QString::fromLatin1(name));
}

void Click(const QWidget* form, const char* name) {
    auto* button = form->findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    button->click();
}

std::string FromQ(const QString& s) { return s.toStdString(); }

// Writes beyond `bytes` fail as on a full disk, for root as well.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

enum class Blocker { FullDisk, ReadOnlyFolder };

}  // namespace

Q_DECLARE_METATYPE(Blocker)
Q_DECLARE_METATYPE(kesora::EntryDayRule)

class TestOptionsWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    QString previousFolder_;
    ScriptedBoxes boxes_;

    // The store and window of one run, started in the test's own folder.
    struct Run {
        SettingsStore store;
        OptionsWindow window;
        explicit Run(ScriptedBoxes& boxes) : window(store, boxes) {}
        OptionsForm* show() {
            window.show();
            return window.form();
        }
    };

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        previousFolder_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder_->path()));
        boxes_.shown.clear();
        boxes_.answers.clear();
        boxes_.unexpectedQuestions = 0;
    }

    void cleanup() {
        QFile::setPermissions(folder_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir::setCurrent(previousFolder_);
        folder_.reset();
        QCOMPARE(boxes_.unexpectedQuestions, 0);
    }

    void window_frame() {
        Run run(boxes_);
        const OptionsForm* form = run.show();
        QCOMPARE(form->objectName(), QStringLiteral("Form16"));
        QCOMPARE(form->windowTitle(), QStringLiteral("オプション"));
        QCOMPARE(form->size(), QSize(362, 201));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void loading_shows_the_file_data() {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("checked");
        QTest::newRow("example file") << true << kExampleFile
                                      << QStringList{"Option2", "Option5", "Option7", "MIDI_Y", "Option10", "Tougetu11"};
        QTest::newRow("every second choice") << true << QByteArray("1\r\n0\r\n2\r\n2\r\n2\r\n2\r\n")
                                             << QStringList{"Option1", "Option6", "Option8", "MIDI_N", "Option9", "Zengetu12"};
        QTest::newRow("era 5, 補運 2, sex 3: those groups select none")
            << true << QByteArray("5\r\n2\r\n3\r\n1\r\n1\r\n1\r\n") << QStringList{"MIDI_Y", "Option10", "Tougetu11"};
        QTest::newRow("two lines: the rest keep their design states")
            << true << QByteArray("4\r\n1\r\n") << QStringList{"Option4", "Option5", "MIDI_Y", "Option10", "Tougetu11"};
        QTest::newRow("missing file: design states") << false << QByteArray() << QStringList{"MIDI_Y", "Option10", "Tougetu11"};
    }
    void loading_shows_the_file() {
        QFETCH(bool, fileExists);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, checked);
        if (fileExists) WriteFile(file);
        Run run(boxes_);
        const OptionsForm* form = run.show();
        QCOMPARE(CheckedOptions(form), Sorted(checked));
        // Loading selects a font option, which must not count as the user's change.
        QCOMPARE(form->fontChangePending(), 0);
        QVERIFY(boxes_.shown.empty());
    }

    void buttons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("fileAfter");
        QTest::addColumn<bool>("staysOpen");
        QTest::addColumn<EntryDayRule>("entryDayRule");
        QTest::addColumn<bool>("showAllStages");
        const QByteArray changed = "3\r\n2\r\n1\r\n1\r\n1\r\n2\r\n";
        QTest::newRow("OK saves and closes") << QString(kOkButton) << changed << false << EntryDayRule::PreviousMonth << false;
        QTest::newRow("更新 saves and stays") << QString(kUpdateButton) << changed << true << EntryDayRule::PreviousMonth << false;
        QTest::newRow("ｷｬﾝｾﾙ closes, saves nothing")
            << QString(kCancelButton) << kExampleFile << false << EntryDayRule::CurrentMonth << true;
    }
    void buttons() {
        QFETCH(QString, button);
        QFETCH(QByteArray, fileAfter);
        QFETCH(bool, staysOpen);
        QFETCH(EntryDayRule, entryDayRule);
        QFETCH(bool, showAllStages);
        WriteFile(kExampleFile);
        Run run(boxes_);
        OptionsForm* form = run.show();
        QCOMPARE(run.store.chartOptions().entryDayRule, EntryDayRule::CurrentMonth);

        Click(form, "Option3");
        Click(form, "Option6");
        Click(form, "Zengetu12");
        QTest::mouseClick(form->findChild<QPushButton*>(button), Qt::LeftButton);

        QCOMPARE(ReadFile(), fileAfter);
        QCOMPARE(form->isVisible(), staysOpen);
        QVERIFY(boxes_.shown.empty());
        // What the next chart is cast with.
        QCOMPARE(run.store.chartOptions().entryDayRule, entryDayRule);
        QCOMPARE(run.store.chartOptions().showAllStages, showAllStages);
    }

    void showing_again_data() {
        QTest::addColumn<QString>("closeWith");  // empty: the window stays open
        QTest::addColumn<QStringList>("checked");
        const QStringList stored{"MIDI_Y", "Option10", "Tougetu11"};
        QTest::newRow("open window keeps the user's choice")
            << QString() << QStringList{"Option3", "Option5", "MIDI_Y", "Option10", "Tougetu11"};
        QTest::newRow("after ｷｬﾝｾﾙ: the stored settings") << QString(kCancelButton) << stored;
        QTest::newRow("after the close box: the stored settings") << QStringLiteral("close box") << stored;
    }
    void showing_again() {
        QFETCH(QString, closeWith);
        QFETCH(QStringList, checked);
        WriteFile("5\r\n2\r\n3\r\n1\r\n1\r\n1\r\n");  // era and 補運 select none
        Run run(boxes_);
        OptionsForm* form = run.show();
        Click(form, "Option3");
        Click(form, "Option5");
        if (closeWith == kCancelButton)
            QTest::mouseClick(form->findChild<QPushButton*>(closeWith), Qt::LeftButton);
        else if (!closeWith.isEmpty())
            QVERIFY(form->close());
        QCOMPARE(form->isVisible(), closeWith.isEmpty());

        run.window.show();
        QCOMPARE(run.window.form(), form);
        QCOMPARE(std::ranges::count_if(qApp->topLevelWidgets(),
                                       [](const QWidget* w) { return w->objectName() == QStringLiteral("Form16"); }),
                 1);
        QVERIFY(form->isVisible());
        QCOMPARE(CheckedOptions(form), Sorted(checked));
        QCOMPARE(ReadFile(), QByteArray("5\r\n2\r\n3\r\n1\r\n1\r\n1\r\n"));
    }

    void font_question_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("answer");  // 0: no question expected
        QTest::addColumn<QByteArray>("fileAfter");
        QTest::addColumn<QString>("fontShown");
        const QByteArray large = "2\r\n1\r\n1\r\n1\r\n2\r\n1\r\n";
        QTest::newRow("large fonts, Yes keeps them") << kExampleFile << QStringList{"Option9"} << kAnswerYes << large
                                                     << "Option9";
        QTest::newRow("large fonts, No flips back") << kExampleFile << QStringList{"Option9"} << kAnswerNo << kExampleFile
                                                    << "Option10";
        QTest::newRow("small fonts from large, No flips back")
            << large << QStringList{"Option10"} << kAnswerNo << large << "Option9";
        QTest::newRow("large then small again: no question")
            << kExampleFile << QStringList{"Option9", "Option10"} << 0 << kExampleFile << "Option10";
        QTest::newRow("the selected font clicked again: no question")
            << kExampleFile << QStringList{"Option10"} << 0 << kExampleFile << "Option10";
        QTest::newRow("other settings only: no question")
            << kExampleFile << QStringList{"Option3"} << 0 << QByteArray("3\r\n1\r\n1\r\n1\r\n1\r\n1\r\n") << "Option10";
    }
    void font_question() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, clicks);
        QFETCH(int, answer);
        QFETCH(QByteArray, fileAfter);
        QFETCH(QString, fontShown);
        WriteFile(file);
        Run run(boxes_);
        OptionsForm* form = run.show();
        for (const QString& name : clicks) Click(form, name.toLatin1().constData());
        QCOMPARE(form->fontChangePending(), answer ? 1 : 0);
        if (answer) boxes_.answers.push_back(answer);

        QTest::mouseClick(form->findChild<QPushButton*>(kUpdateButton), Qt::LeftButton);

        QCOMPARE(boxes_.shown.size(), std::size_t(answer ? 1 : 0));
        if (answer) {
            QCOMPARE(boxes_.shown[0].kind, RecordedMessage::Kind::Ask);
            QCOMPARE(boxes_.shown[0].title, std::string("フォントサイズ別設定"));
            QCOMPARE(boxes_.shown[0].text, std::string("この設定を有効にするためいったんソフトを終了しますか。"));
        }
        QCOMPARE(ReadFile(), fileAfter);
        QVERIFY(Option(form, fontShown.toLatin1().constData())->isChecked());
        QCOMPARE(form->fontChangePending(), 0);
    }

    void font_question_once_per_change() {
        WriteFile(kExampleFile);
        Run run(boxes_);
        OptionsForm* form = run.show();
        Click(form, "Option9");
        boxes_.answers.push_back(kAnswerYes);
        QTest::mouseClick(form->findChild<QPushButton*>(kUpdateButton), Qt::LeftButton);
        QTest::mouseClick(form->findChild<QPushButton*>(kOkButton), Qt::LeftButton);
        QCOMPARE(boxes_.shown.size(), std::size_t(1));
        QVERIFY(!form->isVisible());
        QCOMPARE(ReadFile(), QByteArray("2\r\n1\r\n1\r\n1\r\n2\r\n1\r\n"));
    }

    void unwritable_file_data() {
        QTest::addColumn<Blocker>("blocker");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full") << Blocker::FullDisk
                                   << "書き込みの途中で失敗しました。ディスクの空き容量を確かめてください。";
        QTest::newRow("read-only folder") << Blocker::ReadOnlyFolder
                                          << "このフォルダーには書き込めません。書き込みの許可を確かめてください。";
    }
    void unwritable_file() {
        QFETCH(Blocker, blocker);
        QFETCH(QString, reason);
        WriteFile(kExampleFile);
        Run run(boxes_);
        OptionsForm* form = run.show();
        Click(form, "Option3");
        Click(form, "Zengetu12");
        auto* ok = form->findChild<QPushButton*>(kOkButton);

        if (blocker == Blocker::FullDisk) {
            // Past four bytes the new file cannot grow: a save stopped half-way.
            FileSizeLimit limit(4);
            QTest::mouseClick(ok, Qt::LeftButton);
        } else {
            QVERIFY(QFile::setPermissions(folder_->path(), QFile::ReadOwner | QFile::ExeOwner));
            if (QFile probe(QStringLiteral("probe")); probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QSKIP("this user writes into read-only folders");
            }
            QTest::mouseClick(ok, Qt::LeftButton);
            QVERIFY(QFile::setPermissions(folder_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }

        QCOMPARE(boxes_.shown.size(), std::size_t(1));
        QCOMPARE(boxes_.shown[0].kind, RecordedMessage::Kind::Inform);
        QCOMPARE(boxes_.shown[0].title, std::string("KesoraＳ"));
        QCOMPARE(boxes_.shown[0].text, "設定を保存できませんでした。\r\n" + FromQ(QDir(folder_->path()).absoluteFilePath(kFileName)) +
                                           "\r\n" + FromQ(reason) + "\r\n設定ファイルは変更されていません。");
        QVERIFY(form->isVisible());
        QCOMPARE(ReadFile(), kExampleFile);
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{kFileName});
        QCOMPARE(run.store.chartOptions().entryDayRule, EntryDayRule::CurrentMonth);
        QCOMPARE(CheckedOptions(form), Sorted({"Option3", "Option5", "Option7", "MIDI_Y", "Option10", "Zengetu12"}));

        // Once the folder takes files again, the same choices save.
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(ReadFile(), QByteArray("3\r\n1\r\n1\r\n1\r\n1\r\n2\r\n"));
        QVERIFY(!form->isVisible());
    }

    void store_reads_once_and_keeps_what_it_saved() {
        SettingsStore store;
        WriteFile(kExampleFile);  // after the store was made: it reads only when first asked
        QCOMPARE(store.settings().defaultEra, std::optional(Era::Showa));
        QCOMPARE(store.chartOptions().showAllStages, true);

        WriteFile("1\r\n0\r\n2\r\n2\r\n2\r\n2\r\n");
        QCOMPARE(store.settings().defaultEra, std::optional(Era::Showa));
        QCOMPARE(store.chartOptions().entryDayRule, EntryDayRule::CurrentMonth);

        Settings chosen;
        chosen.showAllStages = false;
        chosen.entryDayRule = EntryDayRule::PreviousMonth;
        QVERIFY(!store.save(chosen));
        QCOMPARE(ReadFile(), QByteArray("4\r\n2\r\n2\r\n1\r\n1\r\n2\r\n"));
        // As the file reads back: no era written means 西暦, NO is written 2 and reads as neither.
        QCOMPARE(store.settings().defaultEra, std::optional(Era::Seireki));
        QCOMPARE(store.settings().showAllStages, std::nullopt);
        QCOMPARE(store.settings().defaultSex, std::optional(Sex::Female));
        QCOMPARE(store.chartOptions().entryDayRule, EntryDayRule::PreviousMonth);
        QCOMPARE(store.chartOptions().showAllStages, false);
    }
};

QTEST_MAIN(TestOptionsWindow)
#include "test_options_window.moc"
