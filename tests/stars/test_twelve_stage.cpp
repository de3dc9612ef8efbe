#include <QSet>
#include <QTest>

#include "stars/twelve_stage.hpp"
#include "star_test_support.hpp"

using kesora::test::NonNamesNear;
using kesora::test::View;

namespace {
const QStringList kBranchNames{"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
const QStringList kStageNames{"長生", "沐浴", "冠帯", "建禄", "帝旺", "衰", "病", "死", "墓", "絶", "胎", "養"};

QString Stage(const QString& stem, const QString& branch) {
    return QString::fromStdString(std::string(kesora::TwelveStageStar(stem.toStdString(), branch.toStdString())));
}
}  // namespace

class TestTwelveStage : public QObject {
    Q_OBJECT

private slots:
    void knownPairs_data() {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QString>("branch");
        QTest::addColumn<QString>("stage");
        QTest::newRow("甲 at 亥") << "甲" << "亥" << "長生";
        QTest::newRow("甲 at 子: forward past the end of the branches") << "甲" << "子" << "沐浴";
        QTest::newRow("甲 at 寅") << "甲" << "寅" << "建禄";
        QTest::newRow("甲 at 午") << "甲" << "午" << "死";
        QTest::newRow("乙 at 午") << "乙" << "午" << "長生";
        QTest::newRow("乙 at 巳: yin stems run backward") << "乙" << "巳" << "沐浴";
        QTest::newRow("丙 at 巳") << "丙" << "巳" << "建禄";
        QTest::newRow("戊 at 巳") << "戊" << "巳" << "建禄";
        QTest::newRow("癸 at 子") << "癸" << "子" << "建禄";
        QTest::newRow("壬 at 子") << "壬" << "子" << "帝旺";
        QTest::newRow("辛 at 子") << "辛" << "子" << "長生";
        QTest::newRow("辛 at 亥: backward past the start of the branches") << "辛" << "亥" << "沐浴";
        QTest::newRow("庚 at 巳") << "庚" << "巳" << "長生";
        QTest::newRow("丁 at 酉") << "丁" << "酉" << "長生";
        QTest::newRow("己 at 午") << "己" << "午" << "建禄";
        // Whole rows: one yang stem, one yin stem.
        const QStringList rowOfKinoe{"沐浴", "冠帯", "建禄", "帝旺", "衰", "病", "死", "墓", "絶", "胎", "養", "長生"};
        const QStringList rowOfMizunoto{"建禄", "冠帯", "沐浴", "長生", "養", "胎", "絶", "墓", "死", "病", "衰", "帝旺"};
        for (int i = 0; i < kBranchNames.size(); ++i) {
            QTest::addRow("row 甲, %s", qPrintable(kBranchNames[i])) << "甲" << kBranchNames[i] << rowOfKinoe[i];
            QTest::addRow("row 癸, %s", qPrintable(kBranchNames[i])) << "癸" << kBranchNames[i] << rowOfMizunoto[i];
        }
    }
    void knownPairs() {
        QFETCH(QString, stem);
        QFETCH(QString, branch);
        QFETCH(QString, stage);
        QCOMPARE(Stage(stem, branch), stage);
    }

    // 戊 shares 丙's stages and 己 shares 丁's.
    void earthStemsFollowFireStems_data() {
        QTest::addColumn<QString>("earthStem");
        QTest::addColumn<QString>("fireStem");
        QTest::newRow("戊 and 丙") << "戊" << "丙";
        QTest::newRow("己 and 丁") << "己" << "丁";
    }
    void earthStemsFollowFireStems() {
        QFETCH(QString, earthStem);
        QFETCH(QString, fireStem);
        for (const QString& branch : kBranchNames) QCOMPARE(Stage(earthStem, branch), Stage(fireStem, branch));
    }

    // A stem passes through all twelve stages over the twelve branches.
    void eachStemPassesEveryStageOnce() {
        for (const QString& stem : QStringList{"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"}) {
            QSet<QString> stages;
            for (const QString& branch : kBranchNames) stages.insert(Stage(stem, branch));
            QCOMPARE(stages, QSet<QString>(kStageNames.begin(), kStageNames.end()));
        }
    }

    void nonNamesGiveNothing_data() {
        QTest::addColumn<QByteArray>("stem");
        QTest::addColumn<QByteArray>("branch");
        QTest::newRow("stem in the branch place") << QByteArray("甲") << QByteArray("乙");
        QTest::newRow("branch in the stem place") << QByteArray("子") << QByteArray("子");
        QTest::newRow("arguments swapped") << QByteArray("亥") << QByteArray("甲");
        for (const auto& [label, text] : NonNamesNear("甲"))
            QTest::addRow("stem: %s", label.constData()) << text << QByteArray("亥");
        for (const auto& [label, text] : NonNamesNear("亥"))
            QTest::addRow("branch: %s", label.constData()) << QByteArray("甲") << text;
    }
    void nonNamesGiveNothing() {
        QFETCH(QByteArray, stem);
        QFETCH(QByteArray, branch);
        QCOMPARE(QString::fromStdString(std::string(kesora::TwelveStageStar(View(stem), View(branch)))), QString());
    }
};

QTEST_APPLESS_MAIN(TestTwelveStage)
#include "test_twelve_stage.moc"
