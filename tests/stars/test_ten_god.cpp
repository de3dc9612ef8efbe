#include <QSet>
#include <QTest>

#include "stars/ten_god.hpp"
#include "star_test_support.hpp"

using kesora::test::NonNamesNear;
using kesora::test::View;

namespace {
const QStringList kStemNames{"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const QStringList kStarNames{"比肩", "劫財", "食神", "傷官", "偏財", "正財", "偏官", "正官", "偏印", "印綬"};
}  // namespace

class TestTenGod : public QObject {
    Q_OBJECT

private slots:
    void knownPairs_data() {
        QTest::addColumn<QString>("dayStem");
        QTest::addColumn<QString>("otherStem");
        QTest::addColumn<QString>("star");
        for (const QString& stem : kStemNames)
            QTest::addRow("%s with itself", qPrintable(stem)) << stem << stem << "比肩";
        QTest::newRow("甲 with 乙") << "甲" << "乙" << "劫財";
        QTest::newRow("乙 with 甲") << "乙" << "甲" << "劫財";
        QTest::newRow("丙 with 甲") << "丙" << "甲" << "偏印";
        QTest::newRow("丙 with 乙") << "丙" << "乙" << "印綬";
        QTest::newRow("甲 with 丙: the order of the arguments matters") << "甲" << "丙" << "食神";
        QTest::newRow("癸 with 戊") << "癸" << "戊" << "正官";
        QTest::newRow("壬 with 戊") << "壬" << "戊" << "偏官";
        QTest::newRow("庚 with 甲: metal controls wood") << "庚" << "甲" << "偏財";
        QTest::newRow("辛 with 甲: yin day stem, yang other") << "辛" << "甲" << "正財";
        QTest::newRow("己 with 丁: fire produces earth") << "己" << "丁" << "偏印";
        QTest::newRow("丁 with 壬: water controls fire") << "丁" << "壬" << "正官";
        QTest::newRow("戊 with 癸") << "戊" << "癸" << "正財";
        QTest::newRow("壬 with 乙: water produces wood") << "壬" << "乙" << "傷官";
        // Two whole rows: the yang day stem 丙 and the yin day stem 癸.
        const QStringList yangRow{"偏印", "印綬", "比肩", "劫財", "食神", "傷官", "偏財", "正財", "偏官", "正官"};
        const QStringList yinRow{"傷官", "食神", "正財", "偏財", "正官", "偏官", "印綬", "偏印", "劫財", "比肩"};
        for (int i = 0; i < kStemNames.size(); ++i) {
            QTest::addRow("row 丙, %s", qPrintable(kStemNames[i])) << "丙" << kStemNames[i] << yangRow[i];
            QTest::addRow("row 癸, %s", qPrintable(kStemNames[i])) << "癸" << kStemNames[i] << yinRow[i];
        }
    }
    void knownPairs() {
        QFETCH(QString, dayStem);
        QFETCH(QString, otherStem);
        QFETCH(QString, star);
        const std::string day = dayStem.toStdString();
        const std::string other = otherStem.toStdString();
        QCOMPARE(QString::fromStdString(std::string(kesora::TenGodStar(day, other))), star);
    }

    // Every other stem stands to a day stem in a different way.
    void eachRowNamesEveryStarOnce() {
        for (const QString& dayStem : kStemNames) {
            QSet<QString> stars;
            for (const QString& otherStem : kStemNames)
                stars.insert(QString::fromStdString(
                    std::string(kesora::TenGodStar(dayStem.toStdString(), otherStem.toStdString()))));
            QCOMPARE(stars, QSet<QString>(kStarNames.begin(), kStarNames.end()));
        }
    }

    void nonStemsGiveNothing_data() {
        QTest::addColumn<QByteArray>("dayStem");
        QTest::addColumn<QByteArray>("otherStem");
        QTest::newRow("branch as other stem") << QByteArray("甲") << QByteArray("子");
        QTest::newRow("branch as day stem") << QByteArray("子") << QByteArray("甲");
        QTest::newRow("full-width Latin A") << QByteArray("甲") << QByteArray("Ａ");
        for (const auto& [label, text] : NonNamesNear("甲"))
            QTest::addRow("day stem: %s", label.constData()) << text << QByteArray("乙");
        for (const auto& [label, text] : NonNamesNear("乙"))
            QTest::addRow("other stem: %s", label.constData()) << QByteArray("甲") << text;
    }
    void nonStemsGiveNothing() {
        QFETCH(QByteArray, dayStem);
        QFETCH(QByteArray, otherStem);
        QCOMPARE(QString::fromStdString(std::string(kesora::TenGodStar(View(dayStem), View(otherStem)))),
                 QString());
    }
};

QTEST_APPLESS_MAIN(TestTenGod)
#include "test_ten_god.moc"
