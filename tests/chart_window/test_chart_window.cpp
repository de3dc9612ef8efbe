// The chart window: what it shows of the chart sheet, its layout and looks,
// and what its clicks do.
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "chart_view/chart_window/chart_window.hpp"
#include "forms/japanese_look.hpp"
#include "tests/chart_window/window_mouse.hpp"
#include "tests/support/scripted_boxes.hpp"

using namespace kesora;
using chart_view::Form11;
using testing::RecordedMessage;

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QColor TextColour(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

// One loaded chart window over its own sheet, shown on screen.
struct LoadedWindow {
    ChartSheet sheet;
    testing::ScriptedBoxes boxes;
    std::unique_ptr<Form11> window = std::make_unique<Form11>(sheet, boxes);

    LoadedWindow() { window->show(); }
    QLabel* label(int n) const { return window->label(n); }
    QWidget* control(const char* name) const { return window->control(QString::fromLatin1(name)); }
};

// Writes a chart of 昭和59年2月4日 11時～13時 the way the chart command does.
void WriteChart(ChartSheet& sheet) {
    const std::pair<int, const char*> cells[] = {
        {11, "癸"}, {12, "亥"}, {17, "乙"}, {18, "丑"}, {23, "戊"}, {24, "辰"}, {29, "戊"}, {30, "午"},
        {21, "劫財"}, {35, "戌・亥"},
        {49, "・血刃\r\n・亡神\r\n"}, {50, "・大極貴神\r\n・天乙貴神\r\n・天徳合\r\n・月徳合\r\n"},
        {51, ""}, {52, "・羊刃\r\n・六害\r\n"},
    };
    for (const auto& [label, text] : cells) sheet.setText(label, text);
}

}  // namespace

class TestChartWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::SetUpJapaneseLook(*qApp); }

    void freshWindowShowsThePlaceholders_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("caption");
        QTest::newRow("year stem carries the empty mark") << 11 << "11";
        QTest::newRow("day pillar 天星") << 26 << "****";
        QTest::newRow("year 補運") << 16 << "****";
        QTest::newRow("month special stars") << 50 << "５０";
        QTest::newRow("void") << 35 << "35";
        QTest::newRow("name") << 37 << "四柱　推命";
        QTest::newRow("hour slot") << 45 << "23時～24時";
        QTest::newRow("hour pillar header") << 10 << "時柱";
        QTest::newRow("special-star header") << 48 << "特殊星(解説)";
        QTest::newRow("name frame") << 47 << "";
    }
    void freshWindowShowsThePlaceholders() {
        QFETCH(int, label);
        QFETCH(QString, caption);
        LoadedWindow w;
        QCOMPARE(w.label(label)->text(), caption);
        QVERIFY(w.label(label)->isVisible());
        QCOMPARE(TextColour(w.label(label)), QColor(Qt::black));
    }

    void windowIsNamedAndCaptioned() {
        LoadedWindow w;
        QCOMPARE(w.window->objectName(), QString("Form11"));
        QCOMPARE(w.window->windowTitle(), QString("命式"));
        for (const char* name : {"Image1", "Meisiki_Insatu", "GessiGenmei", "Label1", "Label52"})
            QVERIFY2(w.control(name), name);
    }

    void followsTheSheetsText_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("shown");
        QTest::newRow("stem") << 23 << "戊" << "戊";
        QTest::newRow("star list lines break at CR LF") << 49 << "・血刃\r\n・亡神\r\n" << "・血刃\n・亡神\n";
        QTest::newRow("empty star list") << 51 << "" << "";
        QTest::newRow("a name is shown as typed, not as markup") << 37 << "<b>山田</b>" << "<b>山田</b>";
        QTest::newRow("heading year as typed") << 39 << "1990" << "1990";
    }
    void followsTheSheetsText() {
        QFETCH(int, label);
        QFETCH(QString, written);
        QFETCH(QString, shown);
        LoadedWindow w;
        const QRect before = w.label(label)->geometry();
        w.sheet.setText(label, written.toStdString());
        QCOMPARE(w.label(label)->text(), shown);
        QCOMPARE(w.label(label)->textFormat(), Qt::PlainText);
        QCOMPARE(w.label(label)->geometry(), before);
    }

    void aLongStarListIsCutAtTheCellsFoot() {
        LoadedWindow w;
        QLabel* cell = w.label(cell::YearSpecial);
        const QRect before = cell->geometry();
        std::string list;
        for (int i = 0; i < 9; ++i) list += "・大極貴神\r\n";
        w.sheet.setText(cell::YearSpecial, list);
        QCOMPARE(cell->geometry(), before);
        QVERIFY(cell->sizeHint().height() > cell->height());
        QCOMPARE(cell->text().count(QLatin1Char('\n')), 9);
    }

    void hiddenHourCellsAndTheirReturn() {
        LoadedWindow w;
        for (int label : cell::HourPillarCells) w.sheet.setVisible(label, false);
        w.sheet.setVisible(cell::Hour, false);
        w.sheet.setVisible(cell::BornWord, false);
        for (int label : {29, 30, 31, 32, 33, 34, 52, 45, 46}) QVERIFY2(w.label(label)->isHidden(), qPrintable(QString::number(label)));
        QVERIFY(w.label(10)->isVisible());  // the 時柱 header stays
        QVERIFY(w.label(23)->isVisible());

        for (int label : cell::HourPillarCells) w.sheet.setVisible(label, true);
        for (int label : cell::HourPillarCells) QVERIFY(w.label(label)->isVisible());
        QVERIFY(w.label(45)->isHidden());
    }

    void followsTheSheetsColour() {
        LoadedWindow w;
        w.sheet.setColor(cell::MonthHiddenStar, kMarkOrange);
        QCOMPARE(TextColour(w.label(21)), QColor(255, 128, 0));
        QCOMPARE(TextColour(w.label(15)), QColor(Qt::black));
        w.sheet.setColor(cell::MonthHiddenStar, kBlack);
        QCOMPARE(TextColour(w.label(21)), QColor(Qt::black));
    }

    void refillRendersWhatChangedBeforeLoading() {
        ChartSheet sheet;
        WriteChart(sheet);
        sheet.setVisible(cell::HourStem, false);
        testing::ScriptedBoxes boxes;
        Form11 window(sheet, boxes);
        QCOMPARE(window.label(11)->text(), QString("癸"));
        QCOMPARE(window.label(21)->text(), QString("劫財"));
        QVERIFY(window.label(29)->isHidden());
    }

    void destroyedWindowNoLongerListens() {
        ChartSheet sheet;
        testing::ScriptedBoxes boxes;
        { Form11 window(sheet, boxes); }
        sheet.setText(cell::YearStem, "甲");  // would touch a dead window under the sanitizers
        Form11 second(sheet, boxes);
        second.detach();
        sheet.setText(cell::YearStem, "乙");
        QCOMPARE(second.label(11)->text(), QString("甲"));
    }

    void specialStarBoxShowsTheWholeList_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<bool>("markStale");
        QTest::addColumn<QString>("text");
        QTest::newRow("hour") << 52 << false << "＜時柱特殊星＞\r\n\r\n・羊刃\r\n・六害\r\n";
        QTest::newRow("day, no stars") << 51 << false << "＜日柱特殊星＞\r\n\r\n";
        QTest::newRow("month, longer than the cell")
            << 50 << false << "＜月柱特殊星＞\r\n\r\n・大極貴神\r\n・天乙貴神\r\n・天徳合\r\n・月徳合\r\n";
        QTest::newRow("year") << 49 << false << "＜年柱特殊星＞\r\n\r\n・血刃\r\n・亡神\r\n";
        QTest::newRow("year, after the chart went stale") << 49 << true << "＜年柱特殊星＞\r\n\r\n・血刃\r\n・亡神\r\n";
    }
    void specialStarBoxShowsTheWholeList() {
        QFETCH(int, label);
        QFETCH(bool, markStale);
        QFETCH(QString, text);
        LoadedWindow w;
        WriteChart(w.sheet);
        if (markStale) w.sheet.markEmpty();
        testing::ClickAt(w.window.get(), testing::CentreOf(w.label(label)));
        QCOMPARE(w.boxes.shown.size(), std::size_t{1});
        const RecordedMessage& box = w.boxes.shown.front();
        QCOMPARE(box.kind, RecordedMessage::Kind::Notify);
        QCOMPARE(Q(box.title), QString("Kesora"));
        QCOMPARE(Q(box.text), text);
    }

    void hourBoxAnswersOnlyWhileVisible_data() {
        QTest::addColumn<bool>("visible");
        QTest::addColumn<int>("boxes");
        QTest::newRow("known hour") << true << 1;
        QTest::newRow("unknown hour") << false << 0;
    }
    void hourBoxAnswersOnlyWhileVisible() {
        QFETCH(bool, visible);
        QFETCH(int, boxes);
        LoadedWindow w;
        WriteChart(w.sheet);
        for (int label : cell::HourPillarCells) w.sheet.setVisible(label, visible);
        QSignalSpy unloaded(w.window.get(), &Form11::unloaded);
        testing::ClickAt(w.window.get(), testing::CentreOf(w.label(cell::HourSpecial)));
        QCOMPARE(static_cast<int>(w.boxes.shown.size()), boxes);
        QCOMPARE(unloaded.count(), 0);
    }

    void clicksThatDoNothing_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("特殊星(解説)") << "Label48";
        QTest::newRow("a value cell") << "Label21";
        QTest::newRow("background") << "Image1";
        QTest::newRow("name") << "Label37";
    }
    void clicksThatDoNothing() {
        QFETCH(QString, control);
        LoadedWindow w;
        WriteChart(w.sheet);
        QSignalSpy reading(w.window.get(), &Form11::principalStarReadingRequested);
        QSignalSpy print(w.window.get(), &Form11::printRequested);
        QSignalSpy unloaded(w.window.get(), &Form11::unloaded);
        const QPoint point = control == "Image1" ? QPoint(3, 3) : testing::CentreOf(w.window->control(control));
        testing::ClickAt(w.window.get(), point);
        QVERIFY(w.boxes.shown.empty());
        QCOMPARE(reading.count() + print.count() + unloaded.count(), 0);
        QVERIFY(w.window->isVisible());
        QCOMPARE(TextColour(w.label(21)), QColor(Qt::black));
    }

    void principalStarPressMarksTheCellBeforeTheReading() {
        LoadedWindow w;
        WriteChart(w.sheet);
        QList<QColor> colourAtRequest;
        connect(w.window.get(), &Form11::principalStarReadingRequested, this,
                [&] { colourAtRequest.append(TextColour(w.label(21))); });
        const QPoint button = testing::CentreOf(w.control("GessiGenmei"));

        testing::PressAt(w.window.get(), button);
        QCOMPARE(w.sheet.color(cell::MonthHiddenStar), kMarkOrange);
        QCOMPARE(TextColour(w.label(21)), QColor(255, 128, 0));
        QVERIFY(colourAtRequest.isEmpty());

        testing::ReleaseAt(w.window.get(), button);
        QCOMPARE(colourAtRequest, QList<QColor>{QColor(255, 128, 0)});
        QVERIFY(w.boxes.shown.empty());
    }

    void printButtonAsksForPrinting() {
        LoadedWindow w;
        QSignalSpy print(w.window.get(), &Form11::printRequested);
        QSignalSpy reading(w.window.get(), &Form11::principalStarReadingRequested);
        testing::ClickAt(w.window.get(), testing::CentreOf(w.control("Meisiki_Insatu")));
        QCOMPARE(print.count(), 1);
        QCOMPARE(reading.count(), 0);
        QCOMPARE(w.sheet.color(cell::MonthHiddenStar), kBlack);
    }

    void doubleClickUnloadsOnlyOnTheBackground_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("unloads");
        QTest::newRow("background, top left corner") << "Image1" << true;
        QTest::newRow("a value cell") << "Label11" << false;
        QTest::newRow("a row header") << "Label1" << false;
    }
    void doubleClickUnloadsOnlyOnTheBackground() {
        QFETCH(QString, control);
        QFETCH(bool, unloads);
        LoadedWindow w;
        QSignalSpy unloaded(w.window.get(), &Form11::unloaded);
        const QPoint point = control == "Image1" ? QPoint(3, 3) : testing::CentreOf(w.window->control(control));
        testing::DoubleClickAt(w.window.get(), point);
        QCOMPARE(unloaded.count(), unloads ? 1 : 0);
        QCOMPARE(w.window->isVisible(), !unloads);
    }

    void closeBoxUnloads() {
        LoadedWindow w;
        QSignalSpy unloaded(w.window.get(), &Form11::unloaded);
        QVERIFY(w.window->close());
        QCOMPARE(unloaded.count(), 1);
    }

    void geometryInPixelsFromTwips_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Label11 4740,1440,615,495") << "Label11" << QRect(316, 96, 41, 33);
        QTest::newRow("Label29 600,1440,615,465") << "Label29" << QRect(40, 96, 41, 31);
        QTest::newRow("Label52 435,5040,975,795") << "Label52" << QRect(29, 336, 65, 53);
        QTest::newRow("Label40 3485,360,255,255 rounds") << "Label40" << QRect(232, 24, 17, 17);
        QTest::newRow("Label36 360,6000,300,495") << "Label36" << QRect(24, 400, 20, 33);
        QTest::newRow("GessiGenmei 3840,6000,1350,495") << "GessiGenmei" << QRect(256, 400, 90, 33);
        QTest::newRow("Image1 0,0,7095,6735") << "Image1" << QRect(0, 0, 473, 449);
    }
    void geometryInPixelsFromTwips() {
        QFETCH(QString, control);
        QFETCH(QRect, pixels);
        LoadedWindow w;
        QCOMPARE(w.window->control(control)->geometry(), pixels);
    }

    void clientAreaIsFixed() {
        LoadedWindow w;
        QCOMPARE(w.window->size(), QSize(473, 447));
        QCOMPARE(w.window->minimumSize(), QSize(473, 447));
        QCOMPARE(w.window->maximumSize(), QSize(473, 447));
        QVERIFY(!(w.window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.window->windowFlags() & Qt::WindowCloseButtonHint);
    }

    void fonts_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("value cell") << 11 << "ＭＳ Ｐゴシック" << 20.25 << false;
        QTest::newRow("pillar header") << 10 << "ＭＳ Ｐ明朝" << 21.75 << true;
        QTest::newRow("row header") << 1 << "ＭＳ Ｐ明朝" << 20.25 << true;
        QTest::newRow("special-star header") << 48 << "ＭＳ Ｐ明朝" << 15.75 << true;
        QTest::newRow("name") << 37 << "ＭＳ Ｐゴシック" << 14.25 << false;
        QTest::newRow("heading") << 45 << "ＭＳ Ｐゴシック" << 12.0 << false;
        QTest::newRow("空亡") << 36 << "ＭＳ Ｐゴシック" << 9.75 << false;
        QTest::newRow("special stars use the window's font") << 49 << "ＭＳ Ｐゴシック" << 9.0 << false;
    }
    void fonts() {
        QFETCH(int, label);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(bool, bold);
        LoadedWindow w;
        const QFont font = w.label(label)->font();
        QCOMPARE(font.family(), family);
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
    }

    void fontsResolveToTheIpaFaces() {
        LoadedWindow w;
        QCOMPARE(QFontInfo(w.label(11)->font()).family(), QString("IPAPGothic"));
        QCOMPARE(QFontInfo(w.label(10)->font()).family(), QString("IPAPMincho"));
    }

    void looks_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<QColor>("background");  // invalid: transparent
        QTest::addColumn<bool>("bordered");
        QTest::addColumn<int>("horizontal");
        QTest::newRow("pillar header") << 7 << QColor(128, 255, 255) << true << int(Qt::AlignHCenter);
        QTest::newRow("row header") << 6 << QColor(255, 255, 128) << true << int(Qt::AlignHCenter);
        QTest::newRow("空亡") << 36 << QColor(255, 255, 128) << true << int(Qt::AlignHCenter);
        QTest::newRow("value cell") << 35 << QColor() << true << int(Qt::AlignHCenter);
        QTest::newRow("special stars") << 50 << QColor() << true << int(Qt::AlignLeft);
        QTest::newRow("name frame") << 47 << QColor() << true << int(Qt::AlignLeft);
        QTest::newRow("heading year") << 39 << QColor() << false << int(Qt::AlignRight);
    }
    void looks() {
        QFETCH(int, label);
        QFETCH(QColor, background);
        QFETCH(bool, bordered);
        QFETCH(int, horizontal);
        LoadedWindow w;
        QLabel* l = w.label(label);
        QCOMPARE(l->autoFillBackground(), background.isValid());
        if (background.isValid()) QCOMPARE(l->palette().color(QPalette::Window), background);
        QCOMPARE(l->frameShape() == QFrame::Box, bordered);
        QCOMPARE(int(l->alignment() & Qt::AlignHorizontal_Mask), horizontal);
    }

    void picturesAreLoaded_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QSize>("size");
        QTest::newRow("background tile") << "Image1" << QSize(64, 64);
        QTest::newRow("命式印刷") << "Meisiki_Insatu" << QSize(90, 33);
        QTest::newRow("月支元命") << "GessiGenmei" << QSize(90, 33);
    }
    void picturesAreLoaded() {
        QFETCH(QString, control);
        QFETCH(QSize, size);
        LoadedWindow w;
        auto* picture = qobject_cast<QLabel*>(w.window->control(control));
        QVERIFY(picture);
        QCOMPARE(picture->pixmap().size(), size);
        QCOMPARE(picture->hasScaledContents(), control == "Image1");
    }

    void headingCaptionsFitTheirCells_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("caption");
        QTest::newRow("widest hour slot") << 45 << "23時～24時";
        QTest::newRow("another wide slot") << 45 << "11時～13時";
        QTest::newRow("short slot") << 45 << "1時～3時";
        QTest::newRow("full-width year") << 39 << "１９９９";
        QTest::newRow("era") << 38 << "西暦";
        QTest::newRow("void pair") << 35 << "戌・亥";
    }
    void headingCaptionsFitTheirCells() {
        QFETCH(int, label);
        QFETCH(QString, caption);
        LoadedWindow w;
        w.sheet.setText(label, "23時～24時");  // a wide caption first: a shorter one must not stay condensed
        w.sheet.setText(label, caption.toStdString());
        QLabel* l = w.label(label);
        const int advance = QFontMetrics(l->font()).horizontalAdvance(l->text());
        QVERIFY2(advance <= l->contentsRect().width(),
                 qPrintable(QString("%1 px in %2 px").arg(advance).arg(l->contentsRect().width())));
        QFont natural = l->font();
        natural.setStretch(QFont::AnyStretch);
        const bool fitsNaturally = QFontMetrics(natural).horizontalAdvance(caption) <= l->contentsRect().width();
        QCOMPARE(l->font().stretch() == QFont::AnyStretch, fitsNaturally);
    }
};

QTEST_MAIN(TestChartWindow)
#include "test_chart_window.moc"
