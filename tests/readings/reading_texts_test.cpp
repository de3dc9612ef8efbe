// The character readings: the form every text must keep, the fixed texts, and
// which reading a caption of the month pillar's 地星 cell brings up.

#include "chart_view/readings/principal_star_reading.hpp"
#include "chart_view/readings/reading_introduction.hpp"
#include "chart_view/readings/reading_texts.hpp"
#include "tests/readings/text_checks.hpp"

#include <QtTest>

#include <algorithm>

using namespace kesora;
using namespace kesora::testing;

namespace {

const KeyedText& EntryFor(const QString& key) {
    const KeyedText* entry = FindExact(ReadingTexts(), key.toStdString());
    if (entry == nullptr) {
        qFatal("no reading for %s", qPrintable(key));
    }
    return *entry;
}

}  // namespace

class ReadingTextsTest : public QObject {
    Q_OBJECT

private slots:
    void everyStarInLookupOrder();

    void formOfEachReading_data();
    void formOfEachReading();

    void fixedTexts_data();
    void fixedTexts();

    void readingForEachStar_data();
    void readingForEachStar();

    void captionsThatMatchNoStar_data();
    void captionsThatMatchNoStar();
};

void ReadingTextsTest::everyStarInLookupOrder() {
    QStringList keys;
    for (const KeyedText& entry : ReadingTexts()) {
        keys << ToQString(entry.key);
    }
    const QStringList expected{"比肩", "劫財", "食神", "傷官", "偏財",
                               "正財", "偏官", "正官", "偏印", "印綬"};
    QCOMPARE(keys, expected);
}

void ReadingTextsTest::formOfEachReading_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("pieceCount");
    QTest::addColumn<QString>("openingSentence");

    QTest::newRow("比肩") << "比肩" << 2 << "  自尊心が強く、勝ち気で、独立心の旺盛な人です。";
    QTest::newRow("劫財") << "劫財" << 2 << "  劫財は、「自我の星」である比肩の兄弟星。";
    QTest::newRow("食神") << "食神" << 2 << "  食神は、衣食住を司る星。";
    QTest::newRow("傷官") << "傷官" << 2 << "  傷官の人は聡明で、鋭い直感力を持った人です。";
    QTest::newRow("偏財") << "偏財" << 2 << "  この星の人は多趣味で多才。";
    QTest::newRow("正財") << "正財" << 2 << "  正財の人は、堅実で、細かく気がつく人です。";
    QTest::newRow("偏官") << "偏官" << 2
                          << "  この星の人は、エネルギーに満ちあふれ、意志が強く、実行力のある人です。";
    QTest::newRow("正官") << "正官" << 2
                          << "  この正官は、もともと官僚を表し、「誠実さが認められて地位を得る」という意味を持っています。";
    QTest::newRow("偏印") << "偏印" << 3 << "  頭の回転が速く、機転のきく人です。";
    QTest::newRow("印綬") << "印綬" << 2 << "  印綬は、「知恵と学問と名誉」を意味する星。";
}

void ReadingTextsTest::formOfEachReading() {
    QFETCH(QString, key);
    QFETCH(int, pieceCount);
    QFETCH(QString, openingSentence);

    const KeyedText& entry = EntryFor(key);
    const auto pieces = entry.Pieces();
    QCOMPARE(static_cast<int>(pieces.size()), pieceCount);
    // A piece stored after an empty one would silently never be shown.
    for (std::size_t i = pieces.size(); i < entry.storedPieces.size(); ++i) {
        QVERIFY2(entry.storedPieces[i].empty(), "piece stored after an empty one");
    }

    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const QString piece = ToQString(pieces[i]);
        const QByteArray where = QByteArray("piece ") + QByteArray::number(qulonglong(i + 1));
        QVERIFY2(CodePoints(piece) >= 220 && CodePoints(piece) <= 490,
                 where + " has " + QByteArray::number(CodePoints(piece)) + " characters");
        if (i > 0) {
            QVERIFY2(piece.startsWith(kIdeographicSpace), where + " does not start a paragraph");
        }
    }

    const QString text = ToQString(entry.Text());
    QVERIFY2(CodePoints(text) >= 760 && CodePoints(text) <= 840,
             QByteArray::number(CodePoints(text)) + " characters");
    QVERIFY(text.startsWith(openingSentence));
    QVERIFY2(!text.mid(2).contains(u' '), "ordinary space after the two leading ones");
    QVERIFY2(!text.contains(u'\r') && !text.contains(u'\n'), "line break in the stored text");

    const qsizetype paragraphStarts = text.count(kIdeographicSpace);
    QVERIFY2(paragraphStarts >= 4 && paragraphStarts <= 7,
             QByteArray::number(paragraphStarts) + " paragraph starts");
    QVERIFY2(!text.contains(QString(2, kIdeographicSpace)), "empty paragraph");
    QVERIFY2(!text.endsWith(kIdeographicSpace), "paragraph start at the very end");
}

void ReadingTextsTest::fixedTexts_data() {
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");

    QTest::newRow("introduction")
        << ToQString(kPrincipalStarIntroduction)
        << QString("　ここでは、月支元命（日柱地星）より基本特性をみます。\r\n"
                   "　月支元命は命式の中心となる重要な星です。ここわかる基本特性はすべて根本になる大切な要素です。\r\n"
                   "　また、その人のだいたいの傾向を素早く知ることにも役立ちます。");
    QTest::newRow("比肩 first piece")
        << ToQString(EntryFor("比肩").Pieces()[0])
        << QString("  自尊心が強く、勝ち気で、独立心の旺盛な人です。まわりの人に頼らずマイペースで物事を運ぶことを好みます。"
                   "それというのも、比肩はもともと「人と肩を並べる」という意味をもつ星ですから、この星の人は、何事につけ、"
                   "人と対等であろうとする意識が強いのです。他人の力をあてにしないところ、裏表のないところ、責任感の強さなどが"
                   "比肩の人の長所です。人から干渉されるのが大嫌いですが、他人にも干渉せず、性格もつき合いもじつにさっぱりしています。"
                   "スポーツが得意で交際範囲が広いので、たくさんの友達ができるタイプです。"
                   "　しかし、こういう自立心や意志の強さは欠点にもつながります。人に相談しないで、ひとりでなんでもやろうとして"
                   "独断的になりがち。自分から折れようとしない意地っ張りな面もあります。こういうところが「自己主張ばかりする」と"
                   "人の反感を買って、人間関係をギクシャクする傾向があります。自己中心的な言動をしていないかどうか、"
                   "普段から注意するほうがいいでしょう。");
}

void ReadingTextsTest::fixedTexts() {
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void ReadingTextsTest::readingForEachStar_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("openingSentence");

    QTest::newRow("比肩") << "比肩" << "  自尊心が強く、";
    QTest::newRow("劫財") << "劫財" << "  劫財は、";
    QTest::newRow("食神") << "食神" << "  食神は、";
    QTest::newRow("傷官") << "傷官" << "  傷官の人は";
    QTest::newRow("偏財") << "偏財" << "  この星の人は多趣味";
    QTest::newRow("正財") << "正財" << "  正財の人は、";
    QTest::newRow("偏官") << "偏官" << "  この星の人は、エネルギー";
    QTest::newRow("正官") << "正官" << "  この正官は、";
    QTest::newRow("偏印") << "偏印" << "  頭の回転が速く、";
    QTest::newRow("印綬") << "印綬" << "  印綬は、";
}

void ReadingTextsTest::readingForEachStar() {
    QFETCH(QString, caption);
    QFETCH(QString, openingSentence);

    const QString reading = ToQString(PrincipalStarReading(caption.toStdString()));
    const QStringList lines = reading.split("\r\n");
    const KeyedText& entry = EntryFor(caption);
    const QString stored = ToQString(entry.Text());

    QVERIFY(lines.first().startsWith(openingSentence));
    QCOMPARE(lines.size(), stored.count(kIdeographicSpace) + 1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QVERIFY2(lines[i].startsWith(QString(" ") + kIdeographicSpace),
                 qPrintable("line " + QString::number(i + 1) + ": " + lines[i].left(12)));
    }
    // Every piece joins the text at a line of its own, so 偏印 reads as one text.
    for (std::size_t i = 1; i < entry.Pieces().size(); ++i) {
        const QString pieceStart = " " + ToQString(entry.Pieces()[i]).left(12);
        QVERIFY2(std::ranges::any_of(lines, [&](const QString& line) { return line.startsWith(pieceStart); }),
                 qPrintable(pieceStart));
    }
    // Only the line breaks and their indent were added.
    QCOMPARE(QString(reading).remove("\r\n "), stored);
}

void ReadingTextsTest::captionsThatMatchNoStar_data() {
    QTest::addColumn<QString>("caption");

    QTest::newRow("trailing blank") << "比肩 ";
    QTest::newRow("leading blank") << " 偏印";
    QTest::newRow("trailing ideographic space") << "印綬　";
    QTest::newRow("empty caption") << "";
    QTest::newRow("empty-chart mark") << "11";
    QTest::newRow("hidden-cell placeholder") << "****";
    QTest::newRow("half a star name") << "比";
    QTest::newRow("star name twice") << "比肩比肩";
    QTest::newRow("stem instead of star") << "甲";
    QTest::newRow("twelve-stage star") << "長生";
}

void ReadingTextsTest::captionsThatMatchNoStar() {
    QFETCH(QString, caption);
    QCOMPARE(ToQString(PrincipalStarReading(caption.toStdString())), QString());
}

QTEST_APPLESS_MAIN(ReadingTextsTest)
#include "reading_texts_test.moc"
