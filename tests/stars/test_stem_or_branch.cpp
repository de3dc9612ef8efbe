#include <QTest>

#include "engine/cycle.hpp"
#include "stars/stem_or_branch.hpp"
#include "star_test_support.hpp"

using kesora::StemOrBranch;

namespace {
// What the engine's own look-ups make of a text, in the numbering of StemOrBranch::code().
int EngineCode(std::string_view text) {
    if (const auto stem = kesora::StemIndex(text)) return *stem;
    if (const auto branch = kesora::BranchIndex(text)) return StemOrBranch::kStemCount + *branch;
    return -1;
}
}  // namespace

class TestStemOrBranch : public QObject {
    Q_OBJECT

private slots:
    void namesAreRecognised() {
        for (int i = 0; i < StemOrBranch::kStemCount; ++i) {
            const StemOrBranch stem = StemOrBranch::FromName(kesora::kStems[static_cast<std::size_t>(i)]);
            QVERIFY(stem.isStem());
            QCOMPARE(stem.index(), i);
            QCOMPARE(StemOrBranch::FromStemName(kesora::kStems[static_cast<std::size_t>(i)]), stem);
            QVERIFY(!StemOrBranch::FromBranchName(kesora::kStems[static_cast<std::size_t>(i)]).known());
        }
        for (int i = 0; i < StemOrBranch::kBranchCount; ++i) {
            const StemOrBranch branch = StemOrBranch::FromName(kesora::kBranches[static_cast<std::size_t>(i)]);
            QVERIFY(branch.isBranch());
            QCOMPARE(branch.index(), i);
            QCOMPARE(StemOrBranch::FromBranchName(kesora::kBranches[static_cast<std::size_t>(i)]), branch);
            QVERIFY(!StemOrBranch::FromStemName(kesora::kBranches[static_cast<std::size_t>(i)]).known());
        }
    }

    // Every three-byte text that starts like a three-byte UTF-8 character (all
    // kanji do) is read exactly as the engine's look-ups read it.
    void agreesWithTheEngineOnEveryThreeByteText() {
        std::string text(3, '\0');
        int recognised = 0;
        for (int lead = 0xE0; lead <= 0xEF; ++lead) {
            for (int second = 0; second < 256; ++second) {
                for (int third = 0; third < 256; ++third) {
                    text[0] = static_cast<char>(lead);
                    text[1] = static_cast<char>(second);
                    text[2] = static_cast<char>(third);
                    const int code = StemOrBranch::FromName(text).code();
                    if (code != EngineCode(text)) QFAIL(qPrintable(QString::fromStdString(text)));
                    if (code >= 0) ++recognised;
                }
            }
        }
        QCOMPARE(recognised, StemOrBranch::kCodeCount);
    }

    void nearMissesAreNotNames_data() {
        QTest::addColumn<QByteArray>("text");
        for (const QByteArray& name : {QByteArray("甲"), QByteArray("亥")})
            for (const auto& [label, text] : kesora::test::NonNamesNear(name))
                QTest::addRow("%s: %s", name.constData(), label.constData()) << text;
    }
    void nearMissesAreNotNames() {
        QFETCH(QByteArray, text);
        QCOMPARE(StemOrBranch::FromName(kesora::test::View(text)).code(), -1);
    }
};

QTEST_APPLESS_MAIN(TestStemOrBranch)
#include "test_stem_or_branch.moc"
