// Kesora: the desktop program.

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <memory>
#include <optional>

#include "chart_view/chart_window/chart_window.hpp"
#include "chart_view/chart_window/chart_window_host.hpp"
#include "chart_view/health_window/health_window_host.hpp"
#include "chart_view/health_window/show_health_luck.hpp"
#include "chart_view/printing/printer_system_module.hpp"
#include "chart_view/printing/print_chart.hpp"
#include "chart_view/printing/qt_pdf_file_chooser.hpp"
#include "chart_view/reading_window/reading_window_host.hpp"
#include "chart_view/reading_window/show_principal_star_reading.hpp"
#include "forms/after_first_paint.hpp"
#include "forms/japanese_look.hpp"
#include "forms/qt_message_boxes.hpp"
#include "shell/about/features.hpp"
#include "shell/about/program_icon.hpp"
#include "shell/about/version_form.hpp"
#include "shell/about/version_window.hpp"
#include "shell/music/session/music_session.hpp"
#include "shell/main_window/main_window.hpp"
#include "shell/music/sequencer_module.hpp"
#include "shell/options/options_form.hpp"
#include "shell/options/options_window.hpp"
#include "shell/options/settings_store.hpp"
#include "shell/sound/click_module.hpp"

using namespace kesora;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kesora"));
    forms::SetUpJapaneseLook(app);
    QApplication::setWindowIcon(shell::ProgramIcon());

    forms::QtMessageBoxes boxes;
    chart_view::ChartWindowHost charts(boxes);
    shell::SettingsStore settings;

    // The synthesiser and the sound library are modules loaded after the window is up.
    const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
    ClickSoundModule click(programFolder);
    std::unique_ptr<CommandChannel> sequencer;
    std::optional<shell::MusicSession> music;

    std::unique_ptr<shell::MainWindow> window;
    std::unique_ptr<shell::OptionsWindow> options;
    std::unique_ptr<shell::VersionWindow> version;
    shell::MainWindowHooks hooks;
    hooks.chartOptions = [&] { return settings.chartOptions(); };
    hooks.showChartWindow = [&] { charts.showChart(); };
    hooks.playClickSound = [&] { click.play(window->clickSoundPath().toStdString()); };
    hooks.showFeatures = [&] { shell::ShowFeatures(boxes); };
    hooks.showOptionsWindow = [&] { options->show(); };
    hooks.showVersionWindow = [&] { version->show(); };
    hooks.stopMusic = [&] {
        if (music) music->stopAndRelease();
    };
    chart_view::HealthWindowHost healthWindow;
    chart_view::HealthLuckHooks healthHooks;
    healthHooks.runChartCommand = [&] { window->runChartCommand(); };
    healthHooks.hideChartWindow = [&] {
        if (charts.window()) charts.window()->hide();
    };
    healthHooks.playClickSound = hooks.playClickSound;
    healthHooks.stopMusic = [&] {
        if (music) music->stopMusic();
    };
    healthHooks.playMusic = [&] {
        if (music) music->playMusic();
    };
    hooks.showHealthLuck = [&] { chart_view::ShowHealthLuck(healthWindow, charts.sheet(), *window, healthHooks); };
    window = std::make_unique<shell::MainWindow>(boxes, charts.sheet(), hooks);
    boxes.setOwner(window.get());

    options = std::make_unique<shell::OptionsWindow>(settings, boxes, window.get());
    version = std::make_unique<shell::VersionWindow>(window.get());
    chart_view::ReadingWindowHost readingWindow(charts.sheet());
    QObject::connect(&charts, &chart_view::ChartWindowHost::principalStarReadingRequested, &charts,
                     [&] { chart_view::ShowPrincipalStarReading(readingWindow, hooks.playClickSound); });
    std::unique_ptr<chart_view::PrinterSystem> printers;  // loaded at the first print
    chart_view::QtPdfFileChooser pdfFiles;
    QObject::connect(&charts, &chart_view::ChartWindowHost::printRequested, &charts, [&] {
        if (charts.window()) {
            if (!printers) printers = chart_view::LoadPrinterSystem(programFolder);
            chart_view::PrintChart(*charts.window(), boxes, *printers, pdfFiles);
        }
    });
    // The button 終了 ends the program at once, the tune included.
    QObject::connect(window.get(), &shell::MainWindow::endRequested, &app, [] { QCoreApplication::exit(0); });

    if (!window->startUp(QDir::currentPath(), QCoreApplication::applicationDirPath())) return 0;
    window->show();

    // The sound modules, the sound device and the soundfont open after the window is on screen.
    forms::RunAfterFirstPaint(window->centralWidget(), [&] {
        click.preload();
        if (window->tunePath().isEmpty()) return;
        sequencer = LoadSequencer(programFolder);
        music.emplace(*sequencer);
        music->start(window->tunePath().toStdString());
    });
    return QApplication::exec();
}
