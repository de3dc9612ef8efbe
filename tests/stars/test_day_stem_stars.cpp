#include <QTest>

#include "stars/day_stem_stars.hpp"
#include "stars/ten_god.hpp"
#include "stars/twelve_stage.hpp"
#include "star_test_support.hpp"

using kesora::test::NonNamesNear;
using kesora::test::StarList;
using kesora::test::View;

namespace {
const QStringList kStemNames{"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const QStringList kBranchNames{"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
// 羊刃 of each stem in stem order.
const QStringList kBlades{"卯", "辰", "午", "未", "午", "未", "酉", "戌", "子", "丑"};

QString BranchOfStage(const QString& stem, const QString& stage) {
    for (const QString& branch : kBranchNames)
        if (kesora::TwelveStageStar(stem.toStdString(), branch.toStdString()) == stage.toStdString()) return branch;
    return {};
}

QString StemOfTenGod(const QString& dayStem, const QString& star) {
    for (const QString& stem : kStemNames)
        if (kesora::TenGodStar(dayStem.toStdString(), stem.toStdString()) == star.toStdString()) return stem;
    return {};
}

// Branches pair off 子丑, 寅亥, 卯戌, 辰酉, 巳申, 午未: indexes that sum to 1 modulo 12.
QString CombiningBranch(const QString& branch) {
    return kBranchNames[(13 - kBranchNames.indexOf(branch)) % 12];
}

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

        QTest::newRow("甲 at 寅") << "甲" << "寅" << QStringList{"福星貴神"};
        QTest::newRow("丁 at 亥") << "丁" << "亥" << QStringList{"天乙貴神", "天官貴神"};
        QTest::newRow("戊 at 卯") << "戊" << "卯" << QStringList{"天官貴神"};
        QTest::newRow("己 at 寅") << "己" << "寅" << QStringList{"天官貴神"};
        QTest::newRow("庚 at 午") << "庚" << "午" << QStringList{"福星貴神", "天官貴神"};
        QTest::newRow("辛 at 巳") << "辛" << "巳" << QStringList{"福星貴神", "天官貴神"};

        // Whole rows over the twelve branches, 子 to 亥.
        const QList<QPair<QString, QList<QStringList>>> rows{
            {"乙", {{"大極貴神", "天乙貴神"}, {"福星貴神"}, {}, {}, {"羊刃"}, {}, {"大極貴神", "天厨貴神"}, {},
                    {"天乙貴神", "天官貴神"}, {}, {"暗禄", "飛刃"}, {"福星貴神"}}},
            {"丙", {{"福星貴神", "天官貴神", "飛刃"}, {}, {}, {"大極貴神"}, {}, {"天厨貴神"}, {"羊刃"}, {},
                    {"暗禄"}, {"大極貴神", "天乙貴神"}, {"福星貴神"}, {"天乙貴神"}}},
            {"壬", {{"羊刃"}, {"天官貴神"}, {"天厨貴神", "暗禄"}, {"天乙貴神"}, {"福星貴神"},
                    {"大極貴神", "天乙貴神"}, {"飛刃"}, {"天官貴神"}, {"大極貴神"}, {}, {}, {}}},
            {"癸", {{}, {"暗禄", "羊刃"}, {}, {"天乙貴神", "福星貴神", "天厨貴神"}, {"天官貴神"},
                    {"大極貴神", "天乙貴神"}, {}, {"飛刃"}, {"大極貴神"}, {}, {"天官貴神"}, {}}},
        };
        for (const auto& [dayStem, starsByBranch] : rows)
            for (int i = 0; i < kBranchNames.size(); ++i)
                QTest::addRow("row %s, %s", qPrintable(dayStem), qPrintable(kBranchNames[i]))
                    << dayStem << kBranchNames[i] << starsByBranch[i];
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
        const QList<QStringList> noble{{"丑", "未"}, {"子", "申"}, {"酉", "亥"}, {"酉", "亥"}, {"丑", "未"},
                                       {"子", "申"}, {"丑", "未"}, {"寅", "午"}, {"卯", "巳"}, {"卯", "巳"}};
        const QList<QStringList> fortune{{"寅"}, {"丑", "亥"}, {"子", "戌"}, {"酉"}, {"申"},
                                         {"未"}, {"午"}, {"巳"}, {"辰"}, {"卯"}};
        const QList<QStringList> office{{"酉"}, {"申"}, {"子"}, {"亥"}, {"卯"},
                                        {"寅"}, {"午"}, {"巳"}, {"丑", "未"}, {"辰", "戌"}};
        // The two stems of an element share their 大極貴神.
        const QList<QStringList> supreme{{"子", "午"}, {"卯", "酉"}, {"丑", "辰", "未", "戌"}, {"寅", "亥"}, {"巳", "申"}};
        for (int i = 0; i < kStemNames.size(); ++i) {
            const QString& stem = kStemNames[i];
            QTest::addRow("天乙貴神 of %s", qPrintable(stem)) << "天乙貴神" << stem << noble[i];
            QTest::addRow("福星貴神 of %s", qPrintable(stem)) << "福星貴神" << stem << fortune[i];
            QTest::addRow("天官貴神 of %s", qPrintable(stem)) << "天官貴神" << stem << office[i];
            QTest::addRow("羊刃 of %s", qPrintable(stem)) << "羊刃" << stem << QStringList{kBlades[i]};
            QTest::addRow("大極貴神 of %s", qPrintable(stem)) << "大極貴神" << stem << supreme[i / 2];
            // 飛刃 stands opposite 羊刃.
            QTest::addRow("飛刃 of %s", qPrintable(stem))
                << "飛刃" << stem << QStringList{kBranchNames[(kBranchNames.indexOf(kBlades[i]) + 6) % 12]};
            // 暗禄 stands at the branch that combines with the stem's 建禄.
            QTest::addRow("暗禄 of %s", qPrintable(stem))
                << "暗禄" << stem << QStringList{CombiningBranch(BranchOfStage(stem, "建禄"))};
            // 天厨貴神 stands where the stem's 食神 is at 建禄.
            QTest::addRow("天厨貴神 of %s", qPrintable(stem))
                << "天厨貴神" << stem << QStringList{BranchOfStage(StemOfTenGod(stem, "食神"), "建禄")};
        }
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
        for (const auto& [label, text] : NonNamesNear("甲"))
            QTest::addRow("day stem: %s", label.constData()) << text << QByteArray("子");
        for (const auto& [label, text] : NonNamesNear("子"))
            QTest::addRow("branch: %s", label.constData()) << QByteArray("甲") << text;
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
