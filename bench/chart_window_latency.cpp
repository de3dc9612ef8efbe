// Times the chart command as a user meets it: from the click on the chart
// button 命　式　表　示 of the main window to the chart window 命式 fully
// painted, in process, through the same main window, chart-window owner,
// settings and click sound as the program.
//
//   bench_chart_window [runs]        (default 200 runs per case)
//
// Two cases: the chart window unloaded before every click (each run loads it
// afresh), and kept loaded (each run repaints the cells of a new chart; the
// date alternates between two days so that the cells do change). Prints the
// median and the 90th percentile of each, and of the click alone (cast, load
// and show, before any painting). Run it on the platform to be measured, e.g.
// QT_QPA_PLATFORM=offscreen, or under xvfb-run for xcb.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "chart_view/chart_window/chart_window.hpp"
#include "chart_view/chart_window/chart_window_host.hpp"
#include "forms/japanese_look.hpp"
#include "shell/main_window/main_window.hpp"
#include "shell/options/settings_store.hpp"
#include "shell/sound/click_sound.hpp"

using namespace kesora;

namespace {

// A message box would stop the clock on a human: count them and give up.
class CountingBoxes final : public MessageBoxes {
public:
    int shown = 0;
    void inform(std::string_view, std::string_view) override { ++shown; }
    void notify(std::string_view, std::string_view) override { ++shown; }
    int ask(std::string_view, std::string_view) override {
        ++shown;
        return kAnswerYes;
    }
};

// Notes every paint of a widget that belongs to the chart window.
class ChartPaintWatch final : public QObject {
public:
    bool painted = false;
    const QElapsedTimer* clock = nullptr;
    qint64 firstPaint = 0;  // ns on `clock` when the first paint event arrived

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            if (auto* widget = qobject_cast<QWidget*>(watched);
                widget && qobject_cast<chart_view::Form11*>(widget->window())) {
                if (!painted && clock) firstPaint = clock->nsecsElapsed();
                painted = true;
            }
        }
        return false;
    }
};

struct Figures {
    double median = 0, p90 = 0, max = 0;
};

Figures Summarise(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const std::size_t n = ms.size();
    Figures f;
    f.median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    f.p90 = ms[std::min(n - 1, (n * 9 + 9) / 10 - 1)];
    f.max = ms.back();
    return f;
}

// Runs the event loop until `done` or `limitMs` has passed; true when done.
template <class Done>
bool ProcessUntil(Done done, int limitMs) {
    QElapsedTimer waited;
    waited.start();
    QTimer wake;  // wakes a loop waiting for events once the limit is reached
    wake.setSingleShot(true);
    wake.start(limitMs);
    while (!done()) {
        if (waited.elapsed() >= limitMs) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Lets pending work (repaints, deletions, window teardown) finish before the clock starts.
void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QElapsedTimer quiet;
    quiet.start();
    while (quiet.elapsed() < 20) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace

int main(int argc, char** argv) {
    // Platforms without a window stack say so on every raise of the kept window.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (!message.contains(QLatin1String("does not support raise()")))
            std::fprintf(stderr, "%s%s\n", type >= QtWarningMsg ? "warning: " : "", qPrintable(message));
    });
    QApplication app(argc, argv);
    forms::SetUpJapaneseLook(app);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    // Not a first run: the current folder holds a non-blank database.dat.
    QTemporaryDir folder;
    QFile location(folder.filePath(QStringLiteral("database.dat")));
    if (!folder.isValid() || !location.open(QIODevice::WriteOnly)) return 1;
    location.write(folder.path().toUtf8() + "\r\n");
    location.close();

    CountingBoxes boxes;
    chart_view::ChartWindowHost charts(boxes);
    shell::SettingsStore settings(folder.filePath(QStringLiteral("rizazede.dat")));
    std::unique_ptr<shell::MainWindow> window;
    shell::MainWindowHooks hooks;
    hooks.chartOptions = [&] { return settings.chartOptions(); };
    hooks.showChartWindow = [&] { charts.showChart(); };
    hooks.playClickSound = [&] { PlayClickSound(window->clickSoundPath().toStdString()); };
    window = std::make_unique<shell::MainWindow>(boxes, charts.sheet(), hooks);
    // The click sound lies next to the program, as in an installed folder.
    if (!window->startUp(folder.path(), QStringLiteral(KESORA_PROGRAM_FOLDER))) return 1;
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        std::fprintf(stderr, "the main window was never exposed\n");
        return 1;
    }
    window->fillSampleDate();
    auto* chartButton = window->controls().get<QPushButton>(QStringLiteral("itiran"));
    auto* dayBox = window->controls().get<QComboBox>(QStringLiteral("Combo3"));

    ChartPaintWatch watch;
    app.installEventFilter(&watch);

    std::printf("Chart button to chart window painted, platform %s, %d runs per case\n",
                qPrintable(QGuiApplication::platformName()), runs);
    for (const bool keepLoaded : {false, true}) {
        std::vector<double> toPainted, clickOnly, toFirstPaint;
        int timeouts = 0;
        for (int run = 0; run < runs; ++run) {
            if (keepLoaded) {
                // Never the day the window already shows, so that every run repaints cells.
                dayBox->setEditText(run % 2 ? QStringLiteral("31") : QStringLiteral("30"));
            } else {
                charts.unload();
            }
            Settle();
            watch.painted = false;

            QElapsedTimer clock;
            watch.clock = &clock;
            clock.start();
            QTest::mouseClick(chartButton, Qt::LeftButton);
            const qint64 clicked = clock.nsecsElapsed();
            const bool painted = ProcessUntil([&] { return watch.painted; }, 2000);
            const qint64 done = clock.nsecsElapsed();

            if (!painted || !charts.window() || !charts.sheet().holdsChart()) {
                ++timeouts;
                continue;
            }
            clickOnly.push_back(double(clicked) / 1e6);
            toFirstPaint.push_back(double(watch.firstPaint) / 1e6);
            toPainted.push_back(double(done) / 1e6);
        }
        if (boxes.shown) std::printf("  (%d message boxes appeared: the figures are not of plain charts)\n", boxes.shown);
        if (toPainted.empty()) {
            std::printf("  %s: no run painted\n", keepLoaded ? "kept loaded" : "fresh load");
            continue;
        }
        const Figures painted = Summarise(toPainted);
        const Figures click = Summarise(clickOnly);
        const Figures firstPaint = Summarise(toFirstPaint);
        std::printf("  %-12s click→painted  median %6.2f ms  p90 %6.2f ms  max %6.2f ms\n"
                    "  %-12s   of which: click handled (cast, load, show) median %5.2f ms;"
                    " first paint event at median %5.2f ms%s\n",
                    keepLoaded ? "kept loaded" : "fresh load", painted.median, painted.p90, painted.max, "",
                    click.median, firstPaint.median,
                    timeouts ? qPrintable(QStringLiteral("; %1 runs never painted").arg(timeouts)) : "");
    }
    std::printf("  goal: median under 16 ms (one frame at 60 Hz)\n");
    charts.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
