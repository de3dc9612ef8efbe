// The music device's command strings and replies, played by FluidSynth in
// test mode: no audio driver, time moved on by rendering.
#include <QtTest>

#include <chrono>
#include <filesystem>

#include "shell/music/sequencer_channel.hpp"
#include "tests/music/midi_bytes.hpp"

using namespace kesora;
using namespace std::chrono_literals;

namespace {

// Rendering moves the tune in audio blocks of about 23 ms.
constexpr qint64 kPositionToleranceMs = 30;

std::filesystem::path Path(const QString& path) { return std::filesystem::path(path.toStdString()); }

SequencerChannel::Options TestMode() { return {AudioOutput::Rendered, DefaultSoundFonts()}; }

}  // namespace

class TestSequencerCommands : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;
    QString tune_, text_, missing_;

    QString withPaths(QString command) const {
        return command.replace("{tune}", tune_).replace("{text}", text_).replace("{missing}", missing_);
    }

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        tune_ = folder_.filePath("two seconds.mid");
        text_ = folder_.filePath("not a tune.mid");
        missing_ = folder_.filePath("no such tune.mid");
        QVERIFY(midi_bytes::WriteFile(tune_, midi_bytes::TwoSecondTune()));
        QFile text(text_);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("MT but not a MIDI file\n");
    }

    // Each step is "+N" (play on N ms) or "command => result [reply]"; a reply
    // "~N" is a position within one audio block of N. The fixture tune lasts
    // 2000 ms.
    void script_data() {
        QTest::addColumn<QStringList>("steps");
        const QString open = "open {tune} type sequencer alias midifile => 0";

        QTest::newRow("stopped at 0 after open")
            << QStringList{open, "status midifile mode => 0 stopped", "status midifile position => 0 0",
                           "status midifile length => 0 2000", "+300", "status midifile position => 0 0"};
        QTest::newRow("stop holds the position, play goes on from it")
            << QStringList{open, "play midifile => 0", "+500", "status midifile mode => 0 playing",
                           "status midifile position => 0 ~500", "stop midifile  => 0",
                           "status midifile mode => 0 stopped", "+700", "status midifile position => 0 ~500",
                           "play midifile => 0", "+300", "status midifile position => 0 ~800",
                           "status midifile mode => 0 playing"};
        QTest::newRow("the end is seen when it is reached")
            << QStringList{open, "play midifile => 0", "+1950", "status midifile mode => 0 playing", "+100",
                           "status midifile mode => 0 stopped", "status midifile position => 0 2000"};
        QTest::newRow("a restart lands with the next block")
            << QStringList{open, "play midifile => 0", "+2100", "status midifile mode => 0 stopped",
                           "play midifile from 0 => 0", "status midifile mode => 0 playing",
                           "status midifile position => 0 0", "status midifile mode => 0 playing", "+100",
                           "status midifile mode => 0 playing", "status midifile position => 0 ~100"};
        QTest::newRow("play at the end stays stopped, also after the notes died away")
            << QStringList{open, "play midifile => 0", "+2100", "play midifile => 0", "+100",
                           "status midifile mode => 0 stopped", "status midifile position => 0 2000", "+4000",
                           "play midifile => 0", "+100", "status midifile mode => 0 stopped",
                           "status midifile position => 0 2000", "play midifile from 0 => 0", "+100",
                           "status midifile mode => 0 playing", "status midifile position => 0 ~100"};
        QTest::newRow("stop while a restart waits keeps the restart")
            << QStringList{open, "play midifile => 0", "+2100", "play midifile from 0 => 0", "stop midifile  => 0",
                           "status midifile mode => 0 stopped", "status midifile position => 0 0", "+500",
                           "status midifile position => 0 0", "play midifile => 0", "+200",
                           "status midifile position => 0 ~200"};
        QTest::newRow("play from a time")
            << QStringList{open, "play midifile from 1500 => 0", "status midifile position => 0 1500",
                           "status midifile mode => 0 playing", "+100", "status midifile position => 0 ~1600",
                           "play midifile from 500 => 0", "+100", "status midifile position => 0 ~600",
                           "play midifile from 2000 => 0", "+50", "status midifile mode => 0 stopped"};
        QTest::newRow("play from: bad times")
            << QStringList{open, "play midifile from 2001 => 282", "play midifile from abc => 270",
                           "play midifile from -1 => 270", "play midifile from => 273",
                           "play midifile from 1 2 => 259", "play midifile to 5 => 259",
                           "status midifile mode => 0 stopped"};
        QTest::newRow("nothing open")
            << QStringList{"play midifile => 263", "stop midifile  => 263", "close midifile => 263",
                           "status midifile mode => 263", "status midifile length => 263"};
        QTest::newRow("unknown alias while open")
            << QStringList{open, "status other mode => 263", "play other => 263", "close other => 263",
                           "status midifile mode => 0 stopped"};
        QTest::newRow("open: missing file, not MIDI, wrong device, parts missing")
            << QStringList{"open {missing} type sequencer alias midifile => 275",
                           "open {text} type sequencer alias midifile => 296",
                           "open  type sequencer alias midifile => 275",
                           "open {tune} type waveaudio alias midifile => 263",
                           "open {tune} type sequencer => 273", "open {tune} type sequencer alias => 273",
                           "open {tune} => 273", "open {tune} type sequencer alias midifile wait => 259",
                           "status midifile mode => 263"};
        QTest::newRow("a second open fails and the first tune plays on")
            << QStringList{open, "play midifile => 0", "+500", "open {tune} type sequencer alias midifile => 289",
                           "open {tune} type sequencer alias other => 265", "status midifile mode => 0 playing",
                           "status midifile position => 0 ~500", "close midifile => 0",
                           "status midifile mode => 263", open, "status midifile position => 0 0"};
        QTest::newRow("commands that are not understood")
            << QStringList{open, " => 261", "pause midifile => 261", "play => 273", "status midifile => 273",
                           "status midifile colour => 259", "status midifile mode length => 259",
                           "stop midifile now => 259", "close midifile now => 259",
                           "status midifile mode => 0 stopped"};
        QTest::newRow("words in any case, a quoted path")
            << QStringList{"OPEN \"{tune}\" TYPE Sequencer ALIAS MidiFile => 0", "Play MIDIFILE => 0", "+100",
                           "Status midifile MODE => 0 playing"};
    }
    void script() {
        QFETCH(QStringList, steps);
        SequencerChannel device(TestMode());
        for (const QString& step : steps) {
            if (step.startsWith('+')) {
                device.advance(std::chrono::milliseconds(step.mid(1).toInt()));
                continue;
            }
            const qsizetype arrow = step.indexOf(" => ");
            QVERIFY2(arrow >= 0, qPrintable(step));
            const QString command = withPaths(step.left(arrow));
            const QString expected = step.mid(arrow + 4);
            const qsizetype blank = expected.indexOf(' ');
            const uint result = expected.left(blank).toUInt();
            const QString reply = blank < 0 ? QString() : expected.mid(blank + 1);

            const CommandReply got = device.send(command.toStdString());
            const QString gotText = QString::fromStdString(got.text);
            QVERIFY2(got.result == result,
                     qPrintable(QString("%1: result %2, expected %3").arg(step).arg(got.result).arg(result)));
            if (reply.startsWith('~')) {
                const qint64 distance = qAbs(gotText.toLongLong() - reply.mid(1).toLongLong());
                QVERIFY2(distance <= kPositionToleranceMs, qPrintable(QString("%1: got %2").arg(step, gotText)));
            } else {
                QVERIFY2(gotText == reply, qPrintable(QString("%1: got \"%2\"").arg(step, gotText)));
            }
        }
    }

    // The program folder may hold blanks and Japanese: the path goes into the
    // command as it is.
    void shippedTuneUnderBlanksAndJapanese() {
        const QString folder = folder_.filePath("プログラム フォルダ/四柱 推命");
        QVERIFY(QDir().mkpath(folder));
        const QString copy = folder + "/曲 M_S1.mid";
        QVERIFY(QFile::copy(KESORA_SOURCE_DIR "/resources/M_S1.mid", copy));

        SequencerChannel device(TestMode());
        QCOMPARE(device.send(("open " + copy + " type sequencer alias midifile").toStdString()).result,
                 command_result::kOk);
        const CommandReply length = device.send("status midifile length");
        QCOMPARE(length.result, command_result::kOk);
        QVERIFY2(std::stoi(length.text) >= 30'000 && std::stoi(length.text) <= 60'000, length.text.c_str());
        QCOMPARE(device.send("play midifile").result, command_result::kOk);
        device.advance(1000ms);
        QCOMPARE(device.send("status midifile mode").text, std::string("playing"));
        QVERIFY(qAbs(std::stoi(device.send("status midifile position").text) - 1000) <= kPositionToleranceMs);
    }

    void soundsThroughTheDefaultSoundFont() {
        if (!QFile::exists("/usr/share/sounds/sf2/default-GM.sf2")) QSKIP("timgm6mb-soundfont is not installed");
        SequencerChannel device(TestMode());
        QCOMPARE(device.send(withPaths(
                                 "open " KESORA_SOURCE_DIR "/resources/M_S1.mid type sequencer alias midifile")
                                 .toStdString())
                     .result,
                 command_result::kOk);
        QCOMPARE(device.soundFont(), std::filesystem::path("/usr/share/sounds/sf2/default-GM.sf2"));
        QCOMPARE(device.send("play midifile").result, command_result::kOk);
        const float peak = device.advance(4000ms);
        // Loud enough to hear, with room left before clipping.
        QVERIFY2(peak > 0.1f && peak < 0.9f, qPrintable(QString::number(peak)));
    }

    void withoutSoundFontSilentButWorking() {
        SequencerChannel device({AudioOutput::Rendered, {Path(missing_), Path(text_)}});
        QCOMPARE(device.send(withPaths("open {tune} type sequencer alias midifile").toStdString()).result,
                 command_result::kOk);
        QVERIFY(device.soundFont().empty());
        QCOMPARE(device.send("play midifile").result, command_result::kOk);
        QCOMPARE(device.advance(500ms), 0.0f);
        QVERIFY(qAbs(std::stoi(device.send("status midifile position").text) - 500) <= kPositionToleranceMs);
        device.advance(1600ms);
        QCOMPARE(device.send("status midifile mode").text, std::string("stopped"));
    }
};

QTEST_APPLESS_MAIN(TestSequencerCommands)
#include "test_sequencer_commands.moc"
