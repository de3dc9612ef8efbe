#include <QTest>

#include "stars/virtue_stars.hpp"
#include "star_test_support.hpp"

using kesora::test::NonNamesNear;
using kesora::test::StarList;
using kesora::test::View;

namespace {
const QStringList kBranchNames{"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
const QStringList kAllNames{"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸",
                            "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

QString Stars(const QString& month, const QString& value) {
    return QString::fromStdString(kesora::MonthVirtueStars(month.toStdString(), value.toStdString()));
}

// The stems and branches of the month that carry the star.
QStringList Carriers(const QString& month, const QString& star) {
    QStringList carriers;
    for (const QString& value : kAllNames)
        if (Stars(month, value).contains(StarList({star}))) carriers << value;
    return carriers;
}

// Stems and branches that combine with each other.
QString Partner(const QString& name) {
    static const QStringList pairs{"甲己", "乙庚", "丙辛", "丁壬", "戊癸", "子丑", "寅亥", "卯戌", "辰酉", "巳申", "午未"};
    for (const QString& pair : pairs) {
        if (pair.left(1) == name) return pair.right(1);
        if (pair.right(1) == name) return pair.left(1);
    }
    return {};
}
}  // namespace

class TestVirtueStars : public QObject {
    Q_OBJECT

private slots:
    void starsOfAValue_data() {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("stars");
        QTest::newRow("寅 with 丁") << "寅" << "丁" << QStringList{"天徳貴神"};
        QTest::newRow("寅 with 丙") << "寅" << "丙" << QStringList{"月徳貴神"};
        QTest::newRow("寅 with 壬") << "寅" << "壬" << QStringList{"天徳合"};
        QTest::newRow("寅 with 辛") << "寅" << "辛" << QStringList{"月徳合"};
        QTest::newRow("寅 with the branch 寅") << "寅" << "寅" << QStringList{};
        QTest::newRow("寅 with 甲") << "寅" << "甲" << QStringList{};
        QTest::newRow("卯 with the branch 申") << "卯" << "申" << QStringList{"天徳貴神"};
        QTest::newRow("卯 with the branch 巳") << "卯" << "巳" << QStringList{"天徳合"};
        QTest::newRow("子 with the branch 巳") << "子" << "巳" << QStringList{"天徳貴神"};
        QTest::newRow("子 with the branch 申") << "子" << "申" << QStringList{"天徳合"};
        QTest::newRow("午 with the branch 亥") << "午" << "亥" << QStringList{"天徳貴神"};
        QTest::newRow("酉 with the branch 寅") << "酉" << "寅" << QStringList{"天徳貴神"};
        QTest::newRow("辰 with 壬: two stars") << "辰" << "壬" << QStringList{"天徳貴神", "月徳貴神"};
        QTest::newRow("辰 with 丁: two partners") << "辰" << "丁" << QStringList{"天徳合", "月徳合"};
        QTest::newRow("未 with 甲") << "未" << "甲" << QStringList{"天徳貴神", "月徳貴神"};
        QTest::newRow("戌 with 辛") << "戌" << "辛" << QStringList{"天徳合", "月徳合"};
        QTest::newRow("丑 with 乙") << "丑" << "乙" << QStringList{"天徳合", "月徳合"};
        QTest::newRow("丑 with 庚") << "丑" << "庚" << QStringList{"天徳貴神", "月徳貴神"};
        QTest::newRow("申 with 癸") << "申" << "癸" << QStringList{"天徳貴神"};
        QTest::newRow("亥 with 乙") << "亥" << "乙" << QStringList{"天徳貴神"};
        QTest::newRow("巳 with 辛") << "巳" << "辛" << QStringList{"天徳貴神"};
    }
    void starsOfAValue() {
        QFETCH(QString, month);
        QFETCH(QString, value);
        QFETCH(QStringList, stars);
        QCOMPARE(Stars(month, value), StarList(stars));
    }

    // 月徳貴神 goes with the month's group of three.
    void monthVirtueByGroup_data() {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("stem");
        const QList<QPair<QString, QString>> groups{{"寅午戌", "丙"}, {"申子辰", "壬"}, {"亥卯未", "甲"}, {"巳酉丑", "庚"}};
        for (const auto& [months, stem] : groups)
            for (const QChar month : months) QTest::addRow("%s", qPrintable(QString(month))) << QString(month) << stem;
    }
    void monthVirtueByGroup() {
        QFETCH(QString, month);
        QFETCH(QString, stem);
        QCOMPARE(Carriers(month, "月徳貴神"), QStringList{stem});
    }

    // In every month each virtue star has one carrier, and each partner star's
    // carrier combines with its virtue star's.
    void partnersCombine_data() {
        QTest::addColumn<QString>("month");
        for (const QString& month : kBranchNames) QTest::addRow("%s", qPrintable(month)) << month;
    }
    void partnersCombine() {
        QFETCH(QString, month);
        const QStringList heavenly = Carriers(month, "天徳貴神");
        const QStringList monthly = Carriers(month, "月徳貴神");
        QCOMPARE(heavenly.size(), 1);
        QCOMPARE(monthly.size(), 1);
        QCOMPARE(Carriers(month, "天徳合"), QStringList{Partner(heavenly[0])});
        QCOMPARE(Carriers(month, "月徳合"), QStringList{Partner(monthly[0])});
    }

    void appendKeepsWhatIsThere() {
        std::string box = "・前\r\n";
        kesora::AppendMonthVirtueStars(box, "辰", "壬");
        kesora::AppendMonthVirtueStars(box, "辰", "甲");
        kesora::AppendMonthVirtueStars(box, "辰", "壬");
        QCOMPARE(QString::fromStdString(box), StarList({"前", "天徳貴神", "月徳貴神", "天徳貴神", "月徳貴神"}));
    }

    void nonNamesGiveNothing_data() {
        QTest::addColumn<QByteArray>("month");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("stem as month") << QByteArray("丁") << QByteArray("丁");
        for (const auto& [label, text] : NonNamesNear("寅"))
            QTest::addRow("month: %s", label.constData()) << text << QByteArray("丁");
        for (const auto& [label, text] : NonNamesNear("丁"))
            QTest::addRow("stem value: %s", label.constData()) << QByteArray("寅") << text;
        // Month 午 names the branch 亥 for 天徳貴神.
        for (const auto& [label, text] : NonNamesNear("亥"))
            QTest::addRow("branch value: %s", label.constData()) << QByteArray("午") << text;
    }
    void nonNamesGiveNothing() {
        QFETCH(QByteArray, month);
        QFETCH(QByteArray, value);
        QCOMPARE(QString::fromStdString(kesora::MonthVirtueStars(View(month), View(value))), QString());
    }
};

QTEST_APPLESS_MAIN(TestVirtueStars)
#include "test_virtue_stars.moc"
