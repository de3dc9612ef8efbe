#include <QTest>

#include "stars/day_stem_stars.hpp"
#include "star_test_support.hpp"

using kesora::test::NonNames;
using kesora::test::StarList;
using kesora::test::View;

namespace {
const QStringList kBranchNames{"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

QString Stars(const QString& dayStem, const QString& branch) {
    return QString::fromStdString(kesora::DayStemSpecialStars(dayStem.toStdString(), branch.toStdString()));
}
}  // namespace

class TestDayStemStars : public QObject {
    Q_OBJECT

private slots:
    void starsOfAPillar_data() {
        QTest::addColumn<QString>("dayStem");
        QTest::addColumn<QString>("branch");
        QTest::addColumn<QStringList>("stars");
        QTest::newRow("甲 at 子") << "甲" << "子" << QStringList{"大極貴神"};
        QTest::newRow("甲 at 酉: two stars") << "甲" << "酉" << QStringList{"天官貴神", "飛刃"};
        QTest::newRow("甲 at 辰: none") << "甲" << "辰" << QStringList{};
        QTest::newRow("己 at 未: four stars") << "己" << "未" << QStringList{"大極貴神", "福星貴神", "暗禄", "羊刃"};
        QTest::newRow("己 at 丑") << "己" << "丑" << QStringList{"大極貴神", "飛刃"};
        QTest::newRow("丙 at 子") << "丙" << "子" << QStringList{"福星貴神", "天官貴神", "飛刃"};
        QTest::newRow("戊 at 申: three stars at one branch") << "戊" << "申" << QStringList{"福星貴神", "天厨貴神", "暗禄"};
        QTest::newRow("乙 at 戌") << "乙" << "戌" << QStringList{"暗禄", "飛刃"};
        QTest::newRow("丁 at 酉") << "丁" << "酉" << QStringList{"大極貴神", "天乙貴神", "福星貴神"};
        QTest::newRow("庚 at 亥") << "庚" << "亥" << QStringList{"大極貴神", "天厨貴神"};
        QTest::newRow("辛 at 辰") << "辛" << "辰" << QStringList{"暗禄", "飛刃"};

        // Whole rows over the twelve branches: 壬 and 癸.
        const QList<QStringList> rowOfMizunoe{
            {"羊刃"}, {"天官貴神"}, {"天厨貴神", "暗禄"}, {"天乙貴神"}, {"福星貴神"}, {"大極貴神", "天乙貴神"},
            {"飛刃"}, {"天官貴神"}, {"大極貴神"}, {}, {}, {}};
        const QList<QStringList> rowOfMizunoto{
            {}, {"暗禄", "羊刃"}, {}, {"天乙貴神", "福星貴神", "天厨貴神"}, {"天官貴神"}, {"大極貴神", "天乙貴神"},
            {}, {"飛刃"}, {"大極貴神"}, {}, {"天官貴神"}, {}};
        for (int i = 0; i < kBranchNames.size(); ++i) {
            QTest::addRow("row 壬, %s", qPrintable(kBranchNames[i])) << "壬" << kBranchNames[i] << rowOfMizunoe[i];
            QTest::addRow("row 癸, %s", qPrintable(kBranchNames[i])) << "癸" << kBranchNames[i] << rowOfMizunoto[i];
        }
    }
    void starsOfAPillar() {
        QFETCH(QString, dayStem);
        QFETCH(QString, branch);
        QFETCH(QStringList, stars);
        QCOMPARE(Stars(dayStem, branch), StarList(stars));
    }

    // One star across all day stems: the branches at which it stands.
    void starAcrossDayStems_data() {
        QTest::addColumn<QString>("star");
        QTest::addColumn<QString>("dayStem");
        QTest::addColumn<QStringList>("branches");
        const QStringList stems{"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
        const QList<QStringList> noble{{"丑", "未"}, {"子", "申"}, {"酉", "亥"}, {"酉", "亥"}, {"丑", "未"},
                                       {"子", "申"}, {"丑", "未"}, {"寅", "午"}, {"卯", "巳"}, {"卯", "巳"}};
        const QStringList blade{"卯", "辰", "午", "未", "午", "未", "酉", "戌", "子", "丑"};
        for (int i = 0; i < stems.size(); ++i) {
            QTest::addRow("天乙貴神 of %s", qPrintable(stems[i])) << "天乙貴神" << stems[i] << noble[i];
            QTest::addRow("羊刃 of %s", qPrintable(stems[i])) << "羊刃" << stems[i] << QStringList{blade[i]};
        }
        QTest::newRow("大極貴神 of 戊") << "大極貴神" << "戊" << QStringList{"丑", "辰", "未", "戌"};
        QTest::newRow("大極貴神 of 己") << "大極貴神" << "己" << QStringList{"丑", "辰", "未", "戌"};
    }
    void starAcrossDayStems() {
        QFETCH(QString, star);
        QFETCH(QString, dayStem);
        QFETCH(QStringList, branches);
        const QString item = StarList({star});
        for (const QString& branch : kBranchNames)
            QCOMPARE(Stars(dayStem, branch).contains(item), branches.contains(branch));
    }

    void appendKeepsWhatIsThere() {
        std::string box = "・前\r\n";
        kesora::AppendDayStemSpecialStars(box, "甲", "酉");
        QCOMPARE(QString::fromStdString(box), StarList({"前", "天官貴神", "飛刃"}));
        kesora::AppendDayStemSpecialStars(box, "甲", "辰");
        kesora::AppendDayStemSpecialStars(box, "甲 ", "酉");
        QCOMPARE(QString::fromStdString(box), StarList({"前", "天官貴神", "飛刃"}));
    }

    void nonNamesGiveNothing_data() {
        QTest::addColumn<QByteArray>("dayStem");
        QTest::addColumn<QByteArray>("branch");
        QTest::newRow("stem in the branch place") << QByteArray("甲") << QByteArray("甲");
        QTest::newRow("branch in the stem place") << QByteArray("子") << QByteArray("子");
        for (const auto& [label, text] : NonNames()) {
            QTest::addRow("day stem: %s", label) << text << QByteArray("子");
            QTest::addRow("branch: %s", label) << QByteArray("甲") << text;
        }
    }
    void nonNamesGiveNothing() {
        QFETCH(QByteArray, dayStem);
        QFETCH(QByteArray, branch);
        QCOMPARE(QString::fromStdString(kesora::DayStemSpecialStars(View(dayStem), View(branch))), QString());
        std::string box = "old";
        kesora::AppendDayStemSpecialStars(box, View(dayStem), View(branch));
        QCOMPARE(QString::fromStdString(box), QStringLiteral("old"));
    }
};

QTEST_APPLESS_MAIN(TestDayStemStars)
#include "test_day_stem_stars.moc"
