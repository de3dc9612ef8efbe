// Breaking a stored reading into lines at its paragraph marks.

#include "chart_view/readings/format_reading_text.hpp"
#include "tests/readings/text_checks.hpp"

#include <QtTest>

using namespace kesora;
using namespace kesora::testing;

class ReadingFormatTest : public QObject {
    Q_OBJECT

private slots:
    void formatReadingText_data();
    void formatReadingText();
};

void ReadingFormatTest::formatReadingText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << "" << "";
    QTest::newRow("one paragraph is copied") << "  一文だけの読みです。" << "  一文だけの読みです。";
    QTest::newRow("break after the first sentence")
        << "  最初の文です。　次の文です。" << "  最初の文です。\r\n 　次の文です。";
    QTest::newRow("several paragraphs")
        << "  一つ目。　二つ目。　三つ目。" << "  一つ目。\r\n 　二つ目。\r\n 　三つ目。";
    QTest::newRow("mark at the start") << "　始まり。" << "\r\n 　始まり。";
    QTest::newRow("mark at the end") << "終わり。　" << "終わり。\r\n 　";
    QTest::newRow("only a mark") << "　" << "\r\n 　";
    QTest::newRow("adjacent marks") << "あ　　い" << "あ\r\n 　\r\n 　い";
    QTest::newRow("ordinary spaces are kept") << "  a b  c " << "  a b  c ";
    // U+3001..U+3005 share their first two UTF-8 bytes with U+3000.
    QTest::newRow("neighbours of the mark are copied") << "、。〃〄々" << "、。〃〄々";
    QTest::newRow("half-width and astral characters are copied")
        << "しかし､｡𠮷野　ｶﾅ" << "しかし､｡𠮷野\r\n 　ｶﾅ";
    QTest::newRow("existing line breaks are copied") << "一\r\n二　三" << "一\r\n二\r\n 　三";
}

void ReadingFormatTest::formatReadingText() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(ToQString(FormatReadingText(text.toStdString())), expected);
}

QTEST_APPLESS_MAIN(ReadingFormatTest)
#include "reading_format_test.moc"
