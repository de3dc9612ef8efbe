// kesora-cast end to end: arguments in, chart or message and exit status out.
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

}  // namespace

class TestCast : public QObject {
    Q_OBJECT

    QTemporaryDir workDir_;

    Run cast(const QStringList& args, const QByteArray& settings = {}) {
        // The caster reads rizazede.dat from its working directory.
        QFile::remove(workDir_.filePath("rizazede.dat"));
        if (!settings.isNull()) {
            QFile f(workDir_.filePath("rizazede.dat"));
            if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write settings fixture");
            f.write(settings);
        }
        QProcess p;
        p.setWorkingDirectory(workDir_.path());
        p.setProcessChannelMode(QProcess::SeparateChannels);
        p.setStandardInputFile(QProcess::nullDevice());
        p.start(KESORA_CAST, args);
        if (!p.waitForFinished(30000)) qFatal("kesora-cast did not finish");
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    static QJsonObject json(const Run& run) {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(run.out.toUtf8(), &error);
        if (error.error != QJsonParseError::NoError) qWarning() << "not JSON:" << error.errorString() << run.out;
        return doc.object();
    }

    static QString pillar(const QJsonObject& chart, const char* which) {
        const QJsonObject p = chart["pillars"].toObject()[which].toObject();
        return p["stem"].toString() + p["branch"].toString();
    }

private slots:
    void initTestCase() { QVERIFY(workDir_.isValid()); }

    void castsTheChartOfTheExample() {
        const Run run = cast({"--era", "昭和", "--year", "59", "--month", "2", "--day", "4", "--hour", "11時～13時",
                              "--entry-day", "current", "--all-stages", "no"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        // The grid reads 時柱 日柱 月柱 年柱 from left to right.
        const QStringList lines = run.out.split('\n');
        const QString stems = lines.filter(QRegularExpression("^天干")).value(0).simplified();
        const QString branches = lines.filter(QRegularExpression("^地支")).value(0).simplified();
        const QString stages = lines.filter(QRegularExpression("^補運")).value(0).simplified();
        QCOMPARE(stems, QString("天干 戊 戊 乙 癸"));
        QCOMPARE(branches, QString("地支 午 辰 丑 亥"));
        QCOMPARE(stages, QString("補運 **** 冠帯 **** ****"));
        QVERIFY(run.out.contains("空亡"));
        QVERIFY(run.out.contains("戌・亥"));
    }

    void jsonHoldsTheCells() {
        const Run run = cast({"--json", "--era", "昭和", "--year", "５９", "--month", "２", "--day", "５", "--hour", "11",
                              "--name", "山田 \"花子\"", "--entry-day", "current", "--all-stages", "yes"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject chart = json(run);
        QCOMPARE(chart["name"].toString(), QString("山田 \"花子\""));
        QCOMPARE(chart["era"].toString(), QString("昭和"));
        QCOMPARE(chart["year"].toString(), QString("５９"));
        QCOMPARE(chart["hour"].toString(), QString("11時～13時"));
        QCOMPARE(chart["void"].toString(), QString("戌・亥"));
        QCOMPARE(pillar(chart, "year"), QString("甲子"));
        QCOMPARE(pillar(chart, "month"), QString("丙寅"));
        QCOMPARE(pillar(chart, "day"), QString("己巳"));
        QCOMPARE(pillar(chart, "hour"), QString("庚午"));
        const QJsonObject day = chart["pillars"].toObject()["day"].toObject();
        QCOMPARE(day["tenGodStem"].toString(), QString("****"));
        QCOMPARE(day["stage"].toString(), QString("帝旺"));
        QCOMPARE(chart["pillars"].toObject()["year"].toObject()["stage"].toString(), QString("絶"));
        for (const char* which : {"year", "month", "day", "hour"}) {
            for (const QJsonValue star : chart["pillars"].toObject()[which].toObject()["specialStars"].toArray()) {
                QVERIFY(!star.toString().isEmpty());
                QVERIFY(!star.toString().contains("・"));
                QVERIFY(!star.toString().contains('\n'));
            }
        }
    }

    void unknownHourLeavesTheHourPillarOut() {
        const Run run = cast({"--json", "--era", "平成", "--year", "3", "--month", "7", "--day", "7"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject chart = json(run);
        QVERIFY(chart["hour"].isNull());
        QVERIFY(chart["pillars"].toObject()["hour"].isNull());
        QCOMPARE(chart["name"].toString(), QString("氏名"));
        QVERIFY(!pillar(chart, "day").isEmpty());
    }

    // The settings file in the working directory decides unless overridden.
    void settingsFileSteersTheChart_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("monthPillar");
        QTest::addColumn<QString>("yearStage");
        QTest::newRow("no file: current month, day stage only") << QByteArray() << QStringList() << "丙寅" << "****";
        QTest::newRow("file: previous month, all stages") << QByteArray("2\r\n1\r\n1\r\n1\r\n1\r\n2\r\n") << QStringList() << "乙丑" << "胎";
        QTest::newRow("flags override the file") << QByteArray("2\r\n1\r\n1\r\n1\r\n1\r\n2\r\n")
                                                 << QStringList{"--entry-day", "current", "--all-stages", "no"} << "丙寅" << "****";
        QTest::newRow("binary file falls back") << QByteArray("\x00\x01\x02", 3) << QStringList() << "丙寅" << "****";
    }
    void settingsFileSteersTheChart() {
        QFETCH(QByteArray, settings);
        QFETCH(QStringList, extra);
        QFETCH(QString, monthPillar);
        QFETCH(QString, yearStage);
        const Run run = cast(QStringList{"--json", "--era", "昭和", "--year", "59", "--month", "2", "--day", "5",
                                         "--hour", "11時～13時"} + extra, settings);
        QCOMPARE(run.exitCode, 0);
        const QJsonObject chart = json(run);
        QCOMPARE(pillar(chart, "month"), monthPillar);
        QCOMPARE(chart["pillars"].toObject()["year"].toObject()["stage"].toString(), yearStage);
    }

    void refusalsAndQuestions_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stderrStart");
        QTest::newRow("大正16 answered No by default")
            << QStringList{"--era", "大正", "--year", "16", "--month", "1", "--day", "1"} << 2
            << "Kesora\n大正は１５年までですが、入力に間違いはありませんか。\n";
        QTest::newRow("大正16 --no")
            << QStringList{"--no", "--era", "大正", "--year", "16", "--month", "1", "--day", "1"} << 2
            << "Kesora\n大正は１５年までですが、入力に間違いはありませんか。\n";
        QTest::newRow("大正16 --yes")
            << QStringList{"--yes", "--era", "大正", "--year", "16", "--month", "1", "--day", "1"} << 0
            << "Kesora\n大正は１５年までですが、入力に間違いはありませんか。\n";
        QTest::newRow("month 13") << QStringList{"--era", "昭和", "--year", "59", "--month", "13", "--day", "1"} << 2
                                  << "KesoraＳ\n１月から１２月の範囲で選択して下さい。\n";
        QTest::newRow("day 32") << QStringList{"--era", "昭和", "--year", "59", "--month", "1", "--day", "32"} << 2
                                << "KesoraＳ\n１日から３１日の範囲で選択して下さい。\n";
        QTest::newRow("day placeholder") << QStringList{"--era", "昭和", "--year", "59", "--month", "1", "--day", "日"} << 2
                                         << "Kesora\nデータが足りません。\n";
        QTest::newRow("西暦 1911") << QStringList{"--era", "西暦", "--year", "1911", "--month", "1", "--day", "1"} << 2
                                  << "Kesora\n西暦は1912年～より対応となっております。\n";
        QTest::newRow("bad hour, help offered")
            << QStringList{"--yes", "--era", "昭和", "--year", "59", "--month", "1", "--day", "1", "--hour", "7:15"} << 2
            << "Kesora\n時刻欄の入力ミスです。\n時刻入力の説明を表示しますか。\n";
        QTest::newRow("unknown option") << QStringList{"--era", "昭和", "--colour", "red"} << 1 << "不明な引数です: --colour";
        QTest::newRow("missing day") << QStringList{"--era", "昭和", "--year", "59", "--month", "1"} << 1 << "--era、--year、--month、--day は必須です。";
        QTest::newRow("unknown era") << QStringList{"--era", "明治", "--year", "5", "--month", "1", "--day", "1"} << 1 << "--era は";
        QTest::newRow("value missing") << QStringList{"--era"} << 1 << "--era には値が必要です。";
        QTest::newRow("yes and no") << QStringList{"--yes", "--no"} << 1 << "--yes と --no は同時に指定できません。";
    }
    void refusalsAndQuestions() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, stderrStart);
        const Run run = cast(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.startsWith(stderrStart), qPrintable(run.err));
        QCOMPARE(run.out.isEmpty(), exitCode != 0);
        if (exitCode == 1) QVERIFY(run.err.contains("使い方"));
    }

    // Help after a refused hour: the help box follows the question.
    void hourHelpIsShownOnYes() {
        const Run run = cast({"--yes", "--era", "昭和", "--year", "59", "--month", "1", "--day", "1", "--hour", "朝"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains("直接入力の場合は３０分間隔の２４時間制で指定して下さい。"));
    }

    void oddNamesGiveValidJson() {
        const QString name = "名\x01" + QString(10000, QChar(0x3042)) + "\t\\";
        const Run run = cast({"--json", "--era", "昭和", "--year", "59", "--month", "2", "--day", "4", "--name", name});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject chart = json(run);
        QVERIFY(!chart.isEmpty());
        QCOMPARE(chart["name"].toString(), name);
    }
};

QTEST_GUILESS_MAIN(TestCast)
#include "test_cast.moc"
