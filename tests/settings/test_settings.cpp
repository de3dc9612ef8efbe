// Reading and writing rizazede.dat.
#include <QtTest>

#include <fstream>

#include "shell/settings/settings.hpp"

using namespace kesora;

Q_DECLARE_METATYPE(Settings)

namespace {

Settings DesignStates() { return Settings{}; }

Settings With(auto change) {
    Settings s;
    change(s);
    return s;
}

QString Describe(const Settings& s) {
    const auto opt = [](const auto& o, auto f) { return o ? f(*o) : QString("none"); };
    return QString("era=%1 stages=%2 sex=%3 music=%4 small=%5 entry=%6")
        .arg(opt(s.defaultEra, [](Era e) { return QString::fromUtf8(EraName(e).data(), qsizetype(EraName(e).size())); }))
        .arg(opt(s.showAllStages, [](bool b) { return QString(b ? "YES" : "NO"); }))
        .arg(opt(s.defaultSex, [](Sex x) { return QString(x == Sex::Male ? "男" : "女"); }))
        .arg(s.musicOn)
        .arg(s.smallFonts)
        .arg(s.entryDayRule == EntryDayRule::CurrentMonth ? "current" : "previous");
}

}  // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void parse_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Settings>("expected");
        const Settings example = With([](Settings& s) {
            s.defaultEra = Era::Showa;
            s.showAllStages = true;
            s.defaultSex = Sex::Male;
        });
        QTest::newRow("example, CR LF") << QByteArray("2\r\n1\r\n1\r\n1\r\n1\r\n1\r\n") << example;
        QTest::newRow("example, LF only, no last line end") << QByteArray("2\n1\n1\n1\n1\n1") << example;
        QTest::newRow("blanks and comma items") << QByteArray(" 2 ,x\r\n\t1\r\n1,2\r\n 1 \r\n1\r\n1 , 2\r\n") << example;
        QTest::newRow("full-width digits") << QByteArray("２\r\n１\r\n１\r\n１\r\n１\r\n１\r\n") << example;
        QTest::newRow("line 6 reads 2") << QByteArray("2\r\n1\r\n1\r\n1\r\n1\r\n2\r\n")
                                       << With([&](Settings& s) { s = Settings{Era::Showa, true, Sex::Male, true, true, EntryDayRule::PreviousMonth}; });
        QTest::newRow("line 6 reads 0") << QByteArray("1\r\n0\r\n2\r\n1\r\n1\r\n0\r\n")
                                       << Settings{Era::Taisho, false, Sex::Female, true, true, EntryDayRule::PreviousMonth};
        QTest::newRow("line 2 reads 2: neither option") << QByteArray("4\r\n2\r\n1\r\n1\r\n1\r\n1\r\n")
                                                       << Settings{Era::Seireki, std::nullopt, Sex::Male, true, true, EntryDayRule::CurrentMonth};
        QTest::newRow("line 1 reads 5: no era") << QByteArray("5\r\n1\r\n3\r\n1\r\n1\r\n1\r\n")
                                               << Settings{std::nullopt, true, std::nullopt, true, true, EntryDayRule::CurrentMonth};
        QTest::newRow("lines 4 and 5 other than 1") << QByteArray("3\r\n1\r\n2\r\n2\r\n7\r\n1\r\n")
                                                   << Settings{Era::Heisei, true, Sex::Female, false, false, EntryDayRule::CurrentMonth};
        QTest::newRow("words instead of numbers") << QByteArray("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n")
                                                 << Settings{std::nullopt, false, std::nullopt, false, false, EntryDayRule::PreviousMonth};
        QTest::newRow("short file keeps the rest") << QByteArray("3\r\n1\r\n")
                                                  << With([](Settings& s) { s.defaultEra = Era::Heisei; s.showAllStages = true; });
        QTest::newRow("empty file") << QByteArray("") << DesignStates();
        QTest::newRow("seventh line ignored") << QByteArray("2\r\n1\r\n1\r\n1\r\n1\r\n1\r\n9\r\n") << example;
        QTest::newRow("binary") << QByteArray("2\r\n1\r\n\x00\x01\r\n1\r\n1\r\n2\r\n", 17) << DesignStates();
        QTest::newRow("oversized") << QByteArray("2\r\n1\r\n1\r\n1\r\n1\r\n2\r\n") + QByteArray(70000, ' ') << DesignStates();
        QTest::newRow("one huge line") << QByteArray(60000, '9') << DesignStates();
    }
    void parse() {
        QFETCH(QByteArray, file);
        QFETCH(Settings, expected);
        const Settings got = ParseSettings(std::string_view(file.constData(), static_cast<std::size_t>(file.size())));
        QCOMPARE(Describe(got), Describe(expected));
        QVERIFY(got == expected);
    }

    void chartOptions() {
        const ChartOptions shown = ChartOptionsFrom(ParseSettings("2\r\n1\r\n1\r\n1\r\n1\r\n2\r\n"));
        QVERIFY(shown.showAllStages);
        QCOMPARE(shown.entryDayRule, EntryDayRule::PreviousMonth);
        // Neither option of the 補運 group selected counts as NO.
        const ChartOptions neither = ChartOptionsFrom(ParseSettings("2\r\n2\r\n1\r\n1\r\n1\r\n1\r\n"));
        QVERIFY(!neither.showAllStages);
        QCOMPARE(neither.entryDayRule, EntryDayRule::CurrentMonth);
        const ChartOptions none = ChartOptionsFrom(DesignStates());
        QVERIFY(!none.showAllStages);
        QCOMPARE(none.entryDayRule, EntryDayRule::CurrentMonth);
    }

    void format_data() {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("example") << Settings{Era::Showa, true, Sex::Male, true, true, EntryDayRule::CurrentMonth}
                                 << QByteArray("2\r\n1\r\n1\r\n1\r\n1\r\n1\r\n");
        QTest::newRow("design states") << DesignStates() << QByteArray("4\r\n2\r\n2\r\n1\r\n1\r\n1\r\n");
        QTest::newRow("all second choices") << Settings{Era::Taisho, false, Sex::Female, false, false, EntryDayRule::PreviousMonth}
                                            << QByteArray("1\r\n2\r\n2\r\n2\r\n2\r\n2\r\n");
    }
    void format() {
        QFETCH(Settings, settings);
        QFETCH(QByteArray, file);
        QCOMPARE(QByteArray::fromStdString(FormatSettings(settings)), file);
    }

    // What is saved reads back to the same choices, except NO, which is saved
    // as 2 and read back as neither option (the same for the chart).
    void savedFileReadsBack() {
        const Settings s{Era::Heisei, true, Sex::Female, false, true, EntryDayRule::PreviousMonth};
        QVERIFY(ParseSettings(FormatSettings(s)) == s);
        const Settings no{Era::Heisei, false, Sex::Female, false, true, EntryDayRule::PreviousMonth};
        QCOMPARE(ParseSettings(FormatSettings(no)).showAllStages, std::optional<bool>());
    }

    void loadFromDisk() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const std::string path = dir.filePath("rizazede.dat").toStdString();
        QVERIFY(LoadSettingsFile(path) == DesignStates());
        QVERIFY(LoadSettingsFile(dir.path().toStdString()) == DesignStates());
        std::ofstream(path, std::ios::binary) << "1\r\n1\r\n2\r\n2\r\n2\r\n2\r\n";
        QVERIFY(LoadSettingsFile(path) == (Settings{Era::Taisho, true, Sex::Female, false, false, EntryDayRule::PreviousMonth}));
        // An unreadable file (root reads every file, so only checked otherwise).
        QFile::setPermissions(QString::fromStdString(path), QFileDevice::Permissions());
        if (!QFileInfo(QString::fromStdString(path)).isReadable()) QVERIFY(LoadSettingsFile(path) == DesignStates());
    }
};

QTEST_APPLESS_MAIN(TestSettings)
#include "test_settings.moc"
