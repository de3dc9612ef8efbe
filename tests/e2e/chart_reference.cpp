// e2e_chart_reference: casts a chart the way the main window's chart command
// does, checks its four pillars against the ones the caller expects, renders
// the chart window Form11 into a PNG and lists where each cell lies, so that a
// screenshot of the real program can be compared with it cell by cell.
//
//   e2e_chart_reference --era 昭和 --year 1 --month 12 --day 31 --hour 1時～3時
//                       --expect 丙寅,庚子,甲午,乙丑 --png ref.png --cells ref.cells
//
// The settings are read from "rizazede.dat" in the current directory, as the
// program reads them. Exit status: 0 written, 1 usage, 2 the chart was refused,
// 3 the pillars are not the expected ones, 4 the files could not be written.

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QTextStream>
#include <cstdio>
#include <string>

#include "chart_view/chart_window/chart_window.hpp"
#include "engine/chart_driver.hpp"
#include "forms/japanese_look.hpp"
#include "shell/settings/settings.hpp"

using namespace kesora;

namespace {

enum ExitCode { kWritten = 0, kUsage = 1, kRefused = 2, kWrongPillars = 3, kWriteFailed = 4 };

// The main window's boxes as the sample-date click leaves them.
class TypedForm final : public BirthDataForm {
public:
    std::string name, year, month, day, hour;
    Era era = Era::Showa;
    ChartRunState state;

    std::string nameText() const override { return name; }
    Era selectedEra() const override { return era; }
    std::string eraCaption() const override { return std::string(EraName(era)); }
    std::string yearText() const override { return year; }
    std::string monthText() const override { return month; }
    std::string dayText() const override { return day; }
    std::string hourText() const override { return hour; }
    void setHourText(std::string_view text) override { hour = text; }
    void focusYearBox() override {}
    void focusHourBox() override {}
    ChartRunState& runState() override { return state; }
};

// Any message means the chart did not come out as a plain chart would.
class ReportingBoxes final : public MessageBoxes {
public:
    void inform(std::string_view title, std::string_view text) override { report(title, text); }
    void notify(std::string_view title, std::string_view text) override { report(title, text); }
    int ask(std::string_view title, std::string_view text) override {
        report(title, text);
        return kAnswerNo;
    }
    int count = 0;

private:
    void report(std::string_view title, std::string_view text) {
        ++count;
        std::fprintf(stderr, "message box [%.*s]: %.*s\n", int(title.size()), title.data(), int(text.size()),
                     text.data());
    }
};

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Captions go on one line of the cell list: line breaks become "\n".
QString OneLine(QString text) {
    text.replace(QStringLiteral("\r"), QString());
    text.replace(QStringLiteral("\n"), QStringLiteral("\\n"));
    text.replace(QStringLiteral("\t"), QStringLiteral(" "));
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    forms::SetUpJapaneseLook(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the chart window of a cast chart into a PNG."));
    parser.addHelpOption();
    const QCommandLineOption eraOption(QStringLiteral("era"), QStringLiteral("era name"), QStringLiteral("era"));
    const QCommandLineOption yearOption(QStringLiteral("year"), QStringLiteral("year box"), QStringLiteral("text"));
    const QCommandLineOption monthOption(QStringLiteral("month"), QStringLiteral("month box"), QStringLiteral("text"));
    const QCommandLineOption dayOption(QStringLiteral("day"), QStringLiteral("day box"), QStringLiteral("text"));
    const QCommandLineOption hourOption(QStringLiteral("hour"), QStringLiteral("hour box"), QStringLiteral("text"));
    const QCommandLineOption nameOption(QStringLiteral("name"), QStringLiteral("name box (default 氏名)"),
                                        QStringLiteral("text"), QStringLiteral("氏名"));
    const QCommandLineOption expectOption(QStringLiteral("expect"),
                                          QStringLiteral("year,month,day,hour pillars, e.g. 丙寅,庚子,甲午,乙丑"),
                                          QStringLiteral("pillars"));
    const QCommandLineOption pngOption(QStringLiteral("png"), QStringLiteral("picture to write"), QStringLiteral("file"));
    const QCommandLineOption cellsOption(QStringLiteral("cells"), QStringLiteral("cell list to write"),
                                         QStringLiteral("file"));
    parser.addOptions({eraOption, yearOption, monthOption, dayOption, hourOption, nameOption, expectOption,
                       pngOption, cellsOption});
    parser.process(app);

    for (const QCommandLineOption& required :
         {eraOption, yearOption, monthOption, dayOption, hourOption, expectOption, pngOption, cellsOption}) {
        if (!parser.isSet(required)) {
            std::fprintf(stderr, "missing --%s\n", qPrintable(required.names().constFirst()));
            return kUsage;
        }
    }
    const std::optional<Era> era = EraFromName(parser.value(eraOption).toStdString());
    const QStringList expected = parser.value(expectOption).split(QLatin1Char(','));
    if (!era || expected.size() != 4) {
        std::fprintf(stderr, "bad --era or --expect\n");
        return kUsage;
    }

    TypedForm form;
    form.era = *era;
    form.name = parser.value(nameOption).toStdString();
    form.year = parser.value(yearOption).toStdString();
    form.month = parser.value(monthOption).toStdString();
    form.day = parser.value(dayOption).toStdString();
    form.hour = parser.value(hourOption).toStdString();

    ReportingBoxes boxes;
    ChartSheet sheet;
    const ChartOptions options = ChartOptionsFrom(LoadSettingsFile(std::string(kSettingsFileName)));
    if (!RunChartCommand(form, boxes, options, sheet) || boxes.count != 0) {
        std::fprintf(stderr, "the chart command gave no plain chart\n");
        return kRefused;
    }

    // Year, month, day, hour: stem then branch of each.
    const cell::PillarCells pillars[] = {cell::YearPillar, cell::MonthPillar, cell::DayPillar, cell::HourPillar};
    bool asExpected = true;
    for (int i = 0; i < 4; ++i) {
        const QString cast = Q(sheet.text(pillars[i].stem)) + Q(sheet.text(pillars[i].branch));
        if (cast != expected[i]) {
            std::fprintf(stderr, "pillar %d is %s, expected %s\n", i + 1, qPrintable(cast), qPrintable(expected[i]));
            asExpected = false;
        }
    }
    if (!asExpected) return kWrongPillars;

    // Loaded after the chart was cast, as the chart command loads it; never shown,
    // so that the only window named 命式 on the screen is the program's.
    chart_view::Form11 window(sheet, boxes);
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    const QPixmap picture = window.grab();
    if (!picture.save(parser.value(pngOption), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(parser.value(pngOption)));
        return kWriteFailed;
    }

    QFile cellsFile(parser.value(cellsOption));
    if (!cellsFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(parser.value(cellsOption)));
        return kWriteFailed;
    }
    // name, x, y, width, height (device pixels of the picture), shown (1/0), caption
    QTextStream out(&cellsFile);
    const qreal scale = picture.devicePixelRatio();
    for (int n = ChartSheet::kFirstLabel; n <= ChartSheet::kLastLabel; ++n) {
        const QLabel* cell = window.label(n);
        if (!cell) continue;
        const QRect r = cell->geometry();
        out << cell->objectName() << '\t' << qRound(r.x() * scale) << '\t' << qRound(r.y() * scale) << '\t'
            << qRound(r.width() * scale) << '\t' << qRound(r.height() * scale) << '\t'
            << (cell->isVisibleTo(&window) ? 1 : 0) << '\t' << OneLine(cell->text()) << '\n';
    }
    out.flush();
    return cellsFile.error() == QFileDevice::NoError ? kWritten : kWriteFailed;
}
