#include <QTest>

#include "stars/branch_stars.hpp"
#include "star_test_support.hpp"

using kesora::test::NonNamesNear;
using kesora::test::StarList;
using kesora::test::View;

namespace {
const QStringList kBranchNames{"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
const QStringList kStemNames{"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};

QString Branch(int index) { return kBranchNames[((index % 12) + 12) % 12]; }

// The member of the key's group of three (branches four apart) that is among `candidates`.
QString GroupMemberAmong(const QString& key, const QStringList& candidates) {
    for (const QString& candidate : candidates)
        if ((kBranchNames.indexOf(candidate) - kBranchNames.indexOf(key)) % 4 == 0) return candidate;
    return {};
}

QString NineStars(const QString& key, const QString& branch) {
    return QString::fromStdString(kesora::BranchSpecialStars(key.toStdString(), branch.toStdString()));
}
QString Horse(const QString& dayBranch, const QString& stem, const QString& branch) {
    return QString::fromStdString(
        kesora::TravelHorseStar(dayBranch.toStdString(), stem.toStdString(), branch.toStdString()));
}
QString Canopy(const QString& key, const QString& branch) {
    return QString::fromStdString(kesora::CanopyStar(key.toStdString(), branch.toStdString()));
}
}  // namespace

class TestBranchStars : public QObject {
    Q_OBJECT

private slots:
    void nineStarsOfAPillar_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("branch");
        QTest::addColumn<QStringList>("stars");
        QTest::newRow("子 with 戌") << "子" << "戌" << QStringList{"寡宿", "血刃"};
        QTest::newRow("丑 with 寅") << "丑" << "寅" << QStringList{"劫殺", "孤辰"};
        QTest::newRow("丑 with 酉") << "丑" << "酉" << QStringList{"血刃", "白虎殺"};
        QTest::newRow("寅 with 巳") << "寅" << "巳" << QStringList{"孤辰", "亡神"};
        QTest::newRow("戌 with 子") << "戌" << "子" << QStringList{"血刃", "因獄"};
        QTest::newRow("未 with 卯") << "未" << "卯" << QStringList{"血刃", "白虎殺"};
        QTest::newRow("亥 with 寅") << "亥" << "寅" << QStringList{"孤辰", "亡神"};
        QTest::newRow("辰 with 子") << "辰" << "子" << QStringList{"白虎殺"};
        QTest::newRow("子 with 子") << "子" << "子" << QStringList{};
        QTest::newRow("巳 with 巳") << "巳" << "巳" << QStringList{"血刃"};
        QTest::newRow("亥 with 亥") << "亥" << "亥" << QStringList{"血刃"};
    }
    void nineStarsOfAPillar() {
        QFETCH(QString, key);
        QFETCH(QString, branch);
        QFETCH(QStringList, stars);
        QCOMPARE(NineStars(key, branch), StarList(stars));
    }

    void onlyTwoBranchesCarryAStarOfTheirOwn() {
        for (const QString& branch : kBranchNames) {
            const bool selfBlade = branch == "巳" || branch == "亥";
            QCOMPARE(NineStars(branch, branch), selfBlade ? StarList({"血刃"}) : QString());
        }
    }

    // Each of the nine stars stands at exactly one branch for every key, and
    // that branch follows from the key by the star's own rule.
    void eachStarFollowsItsRule_data() {
        QTest::addColumn<QString>("star");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("branch");
        const QStringList trines{"申 子 辰", "寅 午 戌", "巳 酉 丑", "亥 卯 未"};
        const QStringList seasons{"亥 子 丑", "寅 卯 辰", "巳 午 未", "申 酉 戌"};
        const QList<QPair<QString, QStringList>> byTrine{
            {"咸池", {"酉", "卯", "午", "子"}},
            {"劫殺", {"巳", "亥", "寅", "申"}},
            {"因獄", {"午", "子", "卯", "酉"}},
            {"亡神", {"亥", "巳", "申", "寅"}},
            {"六害", {"卯", "酉", "子", "午"}},
        };
        for (const auto& [star, branches] : byTrine)
            for (int g = 0; g < trines.size(); ++g)
                QTest::addRow("%s of %s", qPrintable(star), qPrintable(trines[g]))
                    << star << trines[g].split(' ') << branches[g];
        const QList<QPair<QString, QStringList>> bySeason{
            {"孤辰", {"寅", "巳", "申", "亥"}},
            {"寡宿", {"戌", "丑", "辰", "未"}},
        };
        for (const auto& [star, branches] : bySeason)
            for (int s = 0; s < seasons.size(); ++s)
                QTest::addRow("%s of %s", qPrintable(star), qPrintable(seasons[s]))
                    << star << seasons[s].split(' ') << branches[s];
        for (int k = 0; k < 12; ++k) {
            // 血刃 mirrors the key about 巳 and 亥; 白虎殺 stands eight branches on.
            QTest::addRow("血刃 of %s", qPrintable(Branch(k))) << "血刃" << QStringList{Branch(k)} << Branch(10 - k);
            QTest::addRow("白虎殺 of %s", qPrintable(Branch(k))) << "白虎殺" << QStringList{Branch(k)} << Branch(k + 8);
        }
    }
    void eachStarFollowsItsRule() {
        QFETCH(QString, star);
        QFETCH(QStringList, keys);
        QFETCH(QString, branch);
        const QString item = StarList({star});
        for (const QString& key : keys)
            for (const QString& pillarBranch : kBranchNames)
                QCOMPARE(NineStars(key, pillarBranch).contains(item), pillarBranch == branch);
    }

    void travelHorse_data() {
        QTest::addColumn<QString>("dayBranch");
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QString>("branch");
        QTest::addColumn<QStringList>("stars");
        QTest::newRow("午, 丙申") << "午" << "丙" << "申" << QStringList{"凶馬"};
        QTest::newRow("午, 甲申") << "午" << "甲" << "申" << QStringList{"駅馬"};
        QTest::newRow("午, 丙酉: not the horse branch") << "午" << "丙" << "酉" << QStringList{};
        QTest::newRow("戌, 壬申") << "戌" << "壬" << "申" << QStringList{"凶馬"};
        QTest::newRow("寅, 辛申: 辛 is ominous only elsewhere") << "寅" << "辛" << "申" << QStringList{"駅馬"};
        QTest::newRow("丑, 辛亥") << "丑" << "辛" << "亥" << QStringList{"凶馬"};
        QTest::newRow("酉, 壬亥") << "酉" << "壬" << "亥" << QStringList{"凶馬"};
        QTest::newRow("巳, 丙亥") << "巳" << "丙" << "亥" << QStringList{"駅馬"};
        QTest::newRow("子, 戊寅") << "子" << "戊" << "寅" << QStringList{"凶馬"};
        QTest::newRow("辰, 庚寅") << "辰" << "庚" << "寅" << QStringList{"凶馬"};
        QTest::newRow("申, 甲寅") << "申" << "甲" << "寅" << QStringList{"駅馬"};
        QTest::newRow("申, 壬寅") << "申" << "壬" << "寅" << QStringList{"駅馬"};
        QTest::newRow("子, 戊申: the pillar's branch decides, not its stem") << "子" << "戊" << "申" << QStringList{};
        for (const QString& stem : kStemNames)
            QTest::addRow("卯, %s巳: never ominous", qPrintable(stem)) << "卯" << stem << "巳" << QStringList{"駅馬"};
        QTest::newRow("午, unknown stem, 申") << "午" << "えらー" << "申" << QStringList{"駅馬"};
        QTest::newRow("午, empty stem, 申") << "午" << "" << "申" << QStringList{"駅馬"};
        QTest::newRow("午, branch as stem, 申") << "午" << "申" << "申" << QStringList{"駅馬"};
    }
    void travelHorse() {
        QFETCH(QString, dayBranch);
        QFETCH(QString, stem);
        QFETCH(QString, branch);
        QFETCH(QStringList, stars);
        QCOMPARE(Horse(dayBranch, stem, branch), StarList(stars));
    }

    // The horse stands opposite the branch that opens the day branch's group.
    void travelHorseStandsAtOneBranch() {
        for (const QString& dayBranch : kBranchNames) {
            const QString opening = GroupMemberAmong(dayBranch, {"寅", "巳", "申", "亥"});
            const QString horseBranch = Branch(kBranchNames.indexOf(opening) + 6);
            for (const QString& branch : kBranchNames)
                QCOMPARE(Horse(dayBranch, "甲", branch), branch == horseBranch ? StarList({"駅馬"}) : QString());
        }
    }

    void canopy_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("branch");
        QTest::addColumn<QStringList>("stars");
        QTest::newRow("子 with 辰") << "子" << "辰" << QStringList{"華蓋"};
        QTest::newRow("子 with 戌") << "子" << "戌" << QStringList{};
        QTest::newRow("戌 with 戌") << "戌" << "戌" << QStringList{"華蓋"};
        QTest::newRow("酉 with 丑") << "酉" << "丑" << QStringList{"華蓋"};
        QTest::newRow("卯 with 未") << "卯" << "未" << QStringList{"華蓋"};
        QTest::newRow("卯 with 卯") << "卯" << "卯" << QStringList{};
    }
    void canopy() {
        QFETCH(QString, key);
        QFETCH(QString, branch);
        QFETCH(QStringList, stars);
        QCOMPARE(Canopy(key, branch), StarList(stars));
    }

    // 華蓋 stands at the branch that closes the key's group.
    void canopyStandsAtOneBranch() {
        for (const QString& key : kBranchNames) {
            const QString closing = GroupMemberAmong(key, {"辰", "未", "戌", "丑"});
            for (const QString& branch : kBranchNames)
                QCOMPARE(Canopy(key, branch), branch == closing ? StarList({"華蓋"}) : QString());
        }
    }

    void appendKeepsWhatIsThere() {
        std::string box = "・前\r\n";
        kesora::AppendBranchSpecialStars(box, "子", "戌");
        kesora::AppendCanopyStar(box, "子", "辰");
        kesora::AppendTravelHorseStar(box, "午", "丙", "申");
        kesora::AppendBranchSpecialStars(box, "子", "子");
        kesora::AppendCanopyStar(box, "子", "戌");
        kesora::AppendTravelHorseStar(box, "午", "丙", "酉");
        QCOMPARE(QString::fromStdString(box), StarList({"前", "寡宿", "血刃", "華蓋", "凶馬"}));
    }

    // Each pair of rows keeps one argument that, with the other argument
    // valid, would carry the star.
    void nineStarsIgnoreNonNames_data() { AddNonNameRows("子", "戌"); }
    void nineStarsIgnoreNonNames() {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, branch);
        QCOMPARE(QString::fromStdString(kesora::BranchSpecialStars(View(key), View(branch))), QString());
    }

    void canopyIgnoresNonNames_data() { AddNonNameRows("子", "辰"); }
    void canopyIgnoresNonNames() {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, branch);
        QCOMPARE(QString::fromStdString(kesora::CanopyStar(View(key), View(branch))), QString());
    }

    void travelHorseIgnoresNonNames_data() { AddNonNameRows("子", "寅"); }
    void travelHorseIgnoresNonNames() {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, branch);
        QCOMPARE(QString::fromStdString(kesora::TravelHorseStar(View(key), "甲", View(branch))), QString());
    }

private:
    static void AddNonNameRows(const char* key, const char* branch) {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("branch");
        QTest::newRow("stem as key") << QByteArray("甲") << QByteArray(branch);
        QTest::newRow("stem as branch") << QByteArray(key) << QByteArray("甲");
        for (const auto& [label, text] : NonNamesNear(key))
            QTest::addRow("key: %s", label.constData()) << text << QByteArray(branch);
        for (const auto& [label, text] : NonNamesNear(branch))
            QTest::addRow("branch: %s", label.constData()) << QByteArray(key) << text;
    }
};

QTEST_APPLESS_MAIN(TestBranchStars)
#include "test_branch_stars.moc"
