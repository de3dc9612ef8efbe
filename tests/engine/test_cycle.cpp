// Stems, branches, the sixty-pair cycle, eras and the reading of box numbers.
#include <QtTest>

#include "engine/box_text.hpp"
#include "engine/cycle.hpp"
#include "tests/support/qt_strings.hpp"

using namespace kesora;
using kesora::testing::Q;
using kesora::testing::Seen;

class TestCycle : public QObject {
    Q_OBJECT
private slots:
    void namesOfNumber_data() {
        QTest::addColumn<qint64>("number");
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QString>("branch");
        QTest::newRow("1 甲子") << qint64(1) << "甲" << "子";
        QTest::newRow("2 乙丑") << qint64(2) << "乙" << "丑";
        QTest::newRow("11 甲戌") << qint64(11) << "甲" << "戌";
        QTest::newRow("13 丙子") << qint64(13) << "丙" << "子";
        QTest::newRow("49 壬子") << qint64(49) << "壬" << "子";
        QTest::newRow("55 戊午") << qint64(55) << "戊" << "午";
        QTest::newRow("60 癸亥") << qint64(60) << "癸" << "亥";
        QTest::newRow("0 reads as 60") << qint64(0) << "癸" << "亥";
        QTest::newRow("61 outside") << qint64(61) << "えらー" << "えらー";
        QTest::newRow("-1 outside") << qint64(-1) << "えらー" << "えらー";
        QTest::newRow("huge outside") << qint64(std::numeric_limits<qint64>::min()) << "えらー" << "えらー";
    }
    void namesOfNumber() {
        QFETCH(qint64, number);
        QFETCH(QString, stem);
        QFETCH(QString, branch);
        QCOMPARE(Q(StemOfNumber(number)), stem);
        QCOMPARE(Q(BranchOfNumber(number)), branch);
    }

    // Every pair of the cycle appears exactly once over 1..60.
    void cycleHasSixtyDistinctPairs() {
        QSet<QString> pairs;
        for (int n = 1; n <= 60; ++n) pairs.insert(Q(StemOfNumber(n)) + Q(BranchOfNumber(n)));
        QCOMPARE(pairs.size(), 60);
    }

    void stemGroup_data() {
        QTest::addColumn<qint64>("number");
        QTest::addColumn<int>("group");
        QTest::newRow("1") << qint64(1) << 0;
        QTest::newRow("6") << qint64(6) << 0;
        QTest::newRow("16") << qint64(16) << 0;
        QTest::newRow("7") << qint64(7) << 1;
        QTest::newRow("33") << qint64(33) << 2;
        QTest::newRow("49") << qint64(49) << 3;
        QTest::newRow("10") << qint64(10) << 4;
        QTest::newRow("60") << qint64(60) << 4;
        QTest::newRow("0") << qint64(0) << 4;
    }
    void stemGroup() {
        QFETCH(qint64, number);
        QFETCH(int, group);
        QCOMPARE(StemGroup(number), group);
    }

    void yearNumbers_data() {
        QTest::addColumn<qint64>("year");
        QTest::addColumn<qint64>("cycleYear");
        QTest::newRow("1864 甲子") << qint64(1864) << qint64(1);
        QTest::newRow("1984") << qint64(1984) << qint64(121);
        QTest::newRow("1912") << qint64(1912) << qint64(49);
    }
    void yearNumbers() {
        QFETCH(qint64, year);
        QFETCH(qint64, cycleYear);
        QCOMPARE(CycleYear(year), cycleYear);
    }

    void eras_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("eraYear");
        QTest::addColumn<qint64>("western");
        QTest::newRow("大正1") << "大正" << qint64(1) << qint64(1912);
        QTest::newRow("大正16 beyond the era") << "大正" << qint64(16) << qint64(1927);
        QTest::newRow("昭和1") << "昭和" << qint64(1) << qint64(1926);
        QTest::newRow("昭和59") << "昭和" << qint64(59) << qint64(1984);
        QTest::newRow("平成1") << "平成" << qint64(1) << qint64(1989);
        QTest::newRow("西暦") << "西暦" << qint64(2001) << qint64(2001);
        QTest::newRow("大正0") << "大正" << qint64(0) << qint64(1911);
    }
    void eras() {
        QFETCH(QString, name);
        QFETCH(qint64, eraYear);
        QFETCH(qint64, western);
        const auto era = EraFromName(name.toStdString());
        QVERIFY(era.has_value());
        QCOMPARE(Q(EraName(*era)), name);
        QCOMPARE(WesternYear(*era, eraYear), western);
    }

    void unknownEraName() {
        QVERIFY(!EraFromName("明治"));
        QVERIFY(!EraFromName(""));
        QVERIFY(!EraFromName("昭和 "));
    }

    void boxNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("number");
        QTest::newRow("ascii") << "12" << qint64(12);
        QTest::newRow("full-width") << "１２" << qint64(12);
        QTest::newRow("mixed widths") << "1２" << qint64(12);
        QTest::newRow("blanks around") << "  7 " << qint64(7);
        QTest::newRow("ideographic blanks") << "\u3000５\u3000" << qint64(5);
        QTest::newRow("trailing text") << "15日" << qint64(15);
        QTest::newRow("decimal part dropped") << "7.5" << qint64(7);
        QTest::newRow("no number") << "年" << qint64(0);
        QTest::newRow("empty") << "" << qint64(0);
        QTest::newRow("negative") << "-3" << qint64(-3);
        QTest::newRow("full-width minus") << "－３" << qint64(-3);
        QTest::newRow("sign alone") << "-" << qint64(0);
        QTest::newRow("saturates") << QString(400, '9') << qint64(kBoxNumberLimit);
        QTest::newRow("saturates negative") << "-" + QString(30, '9') << qint64(-kBoxNumberLimit);
    }
    void boxNumbers() {
        QFETCH(QString, text);
        QFETCH(qint64, number);
        QCOMPARE(ReadBoxNumber(text.toStdString()), number);
    }

    void truncatedUtf8IsReadSafely() {
        // Half of a full-width digit at the very end of the text.
        const std::string text = "1\xEF\xBC";
        QCOMPARE(ReadBoxNumber(text), qint64(1));
        QCOMPARE(Q(TrimBlanks("\xE3\x80")), Q("\xE3\x80"));
    }
};

QTEST_APPLESS_MAIN(TestCycle)
#include "test_cycle.moc"
