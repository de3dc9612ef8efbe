// The health readings: the form of both tables, the fixed texts, and which text
// a trimmed day-stem or principal-star caption brings up.

#include "chart_view/health/health_introduction.hpp"
#include "chart_view/health/health_lookup.hpp"
#include "chart_view/health/health_texts.hpp"
#include "tests/readings/text_checks.hpp"

#include <QtTest>

using namespace kesora;
using namespace kesora::testing;

namespace {

std::span<const KeyedText> Table(const QString& name) {
    if (name == "stem") {
        return HealthByStem();
    }
    if (name == "star") {
        return HealthByStar();
    }
    qFatal("unknown table %s", qPrintable(name));
}

std::optional<std::string> LookUp(const QString& table, const QString& caption) {
    return table == "stem" ? HealthTextForStem(caption.toStdString())
                           : HealthTextForStar(caption.toStdString());
}

}  // namespace

class HealthTextsTest : public QObject {
    Q_OBJECT

private slots:
    void keysInLookupOrder_data();
    void keysInLookupOrder();

    void formOfEachText_data();
    void formOfEachText();

    void fixedTexts_data();
    void fixedTexts();

    void lookUpByCaption_data();
    void lookUpByCaption();

    void trimBlanks_data();
    void trimBlanks();
};

void HealthTextsTest::keysInLookupOrder_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("by stem") << "stem"
                             << QStringList{"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    QTest::newRow("by star") << "star"
                             << QStringList{"比肩", "劫財", "食神", "傷官", "偏財",
                                            "正財", "偏官", "正官", "偏印", "印綬"};
}

void HealthTextsTest::keysInLookupOrder() {
    QFETCH(QString, table);
    QFETCH(QStringList, expected);
    QStringList keys;
    for (const KeyedText& entry : Table(table)) {
        keys << ToQString(entry.key);
    }
    QCOMPARE(keys, expected);
}

void HealthTextsTest::formOfEachText_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("pieceCount");
    QTest::addColumn<QString>("openingWords");
    QTest::addColumn<QString>("secondPieceOpening");

    const QString mark(kIdeographicSpace);
    QTest::newRow("甲") << "stem" << "甲" << 2 << "　頭の病気やケガに注意が必要です。" << mark;
    QTest::newRow("乙") << "stem" << "乙" << 1 << "　咽喉に問題が出やすい人です。" << QString();
    QTest::newRow("丙") << "stem" << "丙" << 2 << "　胃腸が弱く、便秘と下痢が交互にくるという人が多いです。" << mark;
    QTest::newRow("丁") << "stem" << "丁" << 1 << "　丁に生まれた人は一般的に病院と縁がない強健な人です。" << QString();
    QTest::newRow("戊") << "stem" << "戊" << 1 << "　戊は陽土ですから胃に問題が起きやすいです。" << QString();
    QTest::newRow("己") << "stem" << "己" << 1 << "　己は陰土で戊の延長にあって腸が弱い人が多いです。" << QString();
    QTest::newRow("庚") << "stem" << "庚" << 1 << "　生日が庚の人は酸性症（アチドーシス）にかかりやすい体質です。" << QString();
    QTest::newRow("辛") << "stem" << "辛" << 1 << "　呼吸器系統が弱く、風邪にかかりやすい人が多いです。" << QString();
    QTest::newRow("壬") << "stem" << "壬" << 1 << "　壬の人は体内の水分と関係する病気になりやすいです。" << QString();
    QTest::newRow("癸") << "stem" << "癸" << 1
                        << "　癸の人は体内の水分と関係することと肝臓系が弱いことに注意が必要です。" << QString();
    QTest::newRow("比肩") << "star" << "比肩" << 2 << "　健康面では恵まれていますが" << mark;
    QTest::newRow("劫財") << "star" << "劫財" << 2 << "　精神面のストレスが原因とする病が多く、"
                          << "命式に偏財があると、";
    QTest::newRow("食神") << "star" << "食神" << 1 << "　恵まれた星に生まれているので、" << QString();
    QTest::newRow("傷官") << "star" << "傷官" << 2 << "　傷官には事故によるケガや手術の暗示があり、" << mark;
    QTest::newRow("偏財") << "star" << "偏財" << 2 << "　無理のきく体質で、" << mark;
    QTest::newRow("正財") << "star" << "正財" << 1 << "　貴重面な性格なので健康的に長寿をまっとうできますが、" << QString();
    QTest::newRow("偏官") << "star" << "偏官" << 2 << "　男女ともに健康に恵まれ、" << mark;
    QTest::newRow("正官") << "star" << "正官" << 2 << "　長寿をまっとうでき健康面での苦労はありません。" << mark;
    QTest::newRow("偏印") << "star" << "偏印" << 2 << "　この星の人は健康に注意が必要です。" << mark;
    QTest::newRow("印綬") << "star" << "印綬" << 2 << "　無病息災の福星で" << mark;
}

void HealthTextsTest::formOfEachText() {
    QFETCH(QString, table);
    QFETCH(QString, key);
    QFETCH(int, pieceCount);
    QFETCH(QString, openingWords);
    QFETCH(QString, secondPieceOpening);

    const KeyedText* entry = FindExact(Table(table), key.toStdString());
    QVERIFY(entry != nullptr);
    const auto pieces = entry->Pieces();
    QCOMPARE(static_cast<int>(pieces.size()), pieceCount);
    for (std::size_t i = pieces.size(); i < entry->storedPieces.size(); ++i) {
        QVERIFY2(entry->storedPieces[i].empty(), "piece stored after an empty one");
    }

    const QString first = ToQString(pieces[0]);
    QVERIFY(first.startsWith(openingWords));
    QVERIFY2(CodePoints(first) > CodePoints(openingWords), "nothing after the opening words");
    if (pieces.size() > 1) {
        const QString second = ToQString(pieces[1]);
        QVERIFY(second.startsWith(secondPieceOpening));
        QVERIFY2(CodePoints(second) > CodePoints(secondPieceOpening), "nothing after the opening words");
    }
    const QString text = ToQString(entry->Text());
    QVERIFY2(!text.contains(u'\r') && !text.contains(u'\n'), "line break in a text shown as stored");
}

void HealthTextsTest::fixedTexts_data() {
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");

    QTest::newRow("introduction")
        << ToQString(kHealthIntroduction)
        << QString("　ここでは、月支元命（元命）と日柱天干（日主）により、かかりやすい病気の傾向と生活のする上での注意点についてみます。\r\n"
                   "元命と日主のどちらを優先して考えるというのはありませんが、重複して存在する病気については特に注意してください。\r\n"
                   "また、いくら心配がないといっても普通に生活している上での話しで、悪い条件が重なった過度の場合はその例ではありません。");
    // The two texts a chart with day stem 甲 and principal star 比肩 shows, each as one run.
    QTest::newRow("day stem 甲")
        << ToQString(HealthTextForStem("甲").value_or(""))
        << QString("　頭の病気やケガに注意が必要です。頭痛、頭重などの持病がある人が多いです。"
                   "甲が大運歳運ともに衰運にめぐり、それに加えて印綬も衰運にめぐる場合は、神経衰弱や脳腫瘍などの病気の危険があります。"
                   "また、むち打症のなどの危険もあり衰運の年は交通事故などにも注意が必要。"
                   "　しかし､他柱に己があって甲己の干合になる人には頭の病気がありません｡ ");
    QTest::newRow("principal star 比肩")
        << ToQString(HealthTextForStar("比肩").value_or(""))
        << QString("　健康面では恵まれていますが青年期の苦節が晩年に悪影響を及ぼすことが多く、過労による無理が出てきます。"
                   "病気や事故によるケガなど外科に縁が多いのがこの星の特徴で、内科の病でも手術をするようになります。"
                   "無茶をしなようにしてください。"
                   "　命式に偏財があると、病は長びく傾向があります。正官があって傷官を伴うとケガや第三者に体を傷つけられる危険が出ます。");
    QTest::newRow("甲 second piece")
        << ToQString(FindExact(HealthByStem(), "甲")->Pieces()[1])
        << QString("　しかし､他柱に己があって甲己の干合になる人には頭の病気がありません｡ ");
    QTest::newRow("比肩 second piece")
        << ToQString(FindExact(HealthByStar(), "比肩")->Pieces()[1])
        << QString("　命式に偏財があると、病は長びく傾向があります。正官があって傷官を伴うとケガや第三者に体を傷つけられる危険が出ます。");
}

void HealthTextsTest::fixedTexts() {
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void HealthTextsTest::lookUpByCaption_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("expectedKey");  // empty: nothing matches

    QTest::newRow("stem as written") << "stem" << "丙" << "丙";
    QTest::newRow("stem with blanks around") << "stem" << "  癸  " << "癸";
    QTest::newRow("stem with a trailing blank") << "stem" << "甲 " << "甲";
    QTest::newRow("star as written") << "star" << "偏官" << "偏官";
    QTest::newRow("star with a leading blank") << "star" << " 印綬" << "印綬";
    QTest::newRow("star with a trailing blank") << "star" << "比肩 " << "比肩";
    QTest::newRow("ideographic space is not a blank") << "stem" << "甲　" << "";
    QTest::newRow("blank inside the name") << "star" << "比 肩" << "";
    QTest::newRow("empty caption") << "stem" << "" << "";
    QTest::newRow("only blanks") << "star" << "   " << "";
    QTest::newRow("star asked of the stem table") << "stem" << "比肩" << "";
    QTest::newRow("stem asked of the star table") << "star" << "甲" << "";
    QTest::newRow("hidden-cell placeholder") << "star" << "****" << "";
    QTest::newRow("two stems") << "stem" << "甲乙" << "";
}

void HealthTextsTest::lookUpByCaption() {
    QFETCH(QString, table);
    QFETCH(QString, caption);
    QFETCH(QString, expectedKey);

    const std::optional<std::string> text = LookUp(table, caption);
    if (expectedKey.isEmpty()) {
        QVERIFY2(!text.has_value(), "a text was found");
        return;
    }
    QVERIFY(text.has_value());
    const KeyedText* expected = FindExact(Table(table), expectedKey.toStdString());
    QVERIFY(expected != nullptr);
    QCOMPARE(ToQString(*text), ToQString(expected->Text()));
}

void HealthTextsTest::trimBlanks_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing to trim") << "正財" << "正財";
    QTest::newRow("both ends") << "  正財 " << "正財";
    QTest::newRow("inner blank kept") << " 正 財 " << "正 財";
    QTest::newRow("only blanks") << "    " << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("ideographic spaces kept") << "　正財　" << "　正財　";
    QTest::newRow("tab kept") << "\t正財" << "\t正財";
}

void HealthTextsTest::trimBlanks() {
    QFETCH(QString, caption);
    QFETCH(QString, expected);
    const std::string utf8 = caption.toStdString();
    QCOMPARE(ToQString(TrimSpaces(utf8)), expected);
}

QTEST_APPLESS_MAIN(HealthTextsTest)
#include "health_texts_test.moc"
