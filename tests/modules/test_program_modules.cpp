// The sound modules load from the program folder; without them the program
// stays silent and working.
#include <QtTest>

#include "chart_view/printing/printer_system_module.hpp"
#include "shell/music/sequencer_module.hpp"
#include "shell/sound/click_module.hpp"

using namespace kesora;

class TestProgramModules : public QObject {
    Q_OBJECT
private slots:
    void sequencerFromTheProgramFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<uint>("openMissingFile");
        QTest::newRow("module present") << QString(KESORA_PROGRAM_FOLDER) << uint(command_result::kFileNotFound);
        QTest::newRow("module missing") << QString("/nonexistent/kesora") << uint(command_result::kUnknownDevice);
    }
    void sequencerFromTheProgramFolder() {
        QFETCH(QString, folder);
        QFETCH(uint, openMissingFile);
        const std::unique_ptr<CommandChannel> device = LoadSequencer(folder.toStdString());
        QVERIFY(device);
        QCOMPARE(device->send("open /nonexistent/M_S1.mid type sequencer alias midifile").result, openMissingFile);
        QCOMPARE(device->send("status midifile mode").result, command_result::kUnknownDevice);
    }

    void clickFromTheProgramFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("wav");
        QTest::addColumn<int>("played");
        const QString click = QString(KESORA_PROGRAM_FOLDER) + "/音１.wav";
        QTest::newRow("module and sound present") << QString(KESORA_PROGRAM_FOLDER) << click << 1;
        QTest::newRow("sound missing") << QString(KESORA_PROGRAM_FOLDER) << "/nonexistent/音１.wav" << 0;
        QTest::newRow("module missing") << QString("/nonexistent/kesora") << click << 0;
    }
    void clickFromTheProgramFolder() {
        QFETCH(QString, folder);
        QFETCH(QString, wav);
        QFETCH(int, played);
        ClickSoundModule module(folder.toStdString());
        QCOMPARE(module.play(wav.toStdString()), played);
    }

    // Without the printing module the program knows no printer and offers a PDF file.
    void printersWithoutTheModule() {
        const auto printers = chart_view::LoadPrinterSystem("/nonexistent/kesora");
        QVERIFY(printers);
        QVERIFY(!printers->defaultPrinter());
        QVERIFY(!printers->submit({}, "/nonexistent/chart.pdf", "命式").accepted);
    }
};

QTEST_APPLESS_MAIN(TestProgramModules)
#include "test_program_modules.moc"
