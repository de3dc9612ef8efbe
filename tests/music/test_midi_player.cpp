// The tune player: the exact command strings it sends, its replies, and the
// polled play loop that restarts the tune at its end.
#include <QtTest>

#include <chrono>

#include "shell/music/midi_player.hpp"
#include "shell/music/music_tick.hpp"
#include "shell/music/sequencer_channel.hpp"
#include "tests/music/midi_bytes.hpp"

using namespace kesora;
using namespace std::chrono_literals;

namespace {

constexpr std::string_view kRestart = "play midifile from 0";

// Passes commands on to the test-mode sequencer and keeps a log of them.
class RecordingChannel final : public CommandChannel {
public:
    SequencerChannel device{{AudioOutput::Rendered, DefaultSoundFonts()}};
    QStringList sent;

    CommandReply send(std::string_view command) override {
        sent << QString::fromStdString(std::string(command));
        return device.send(command);
    }
    qsizetype count(std::string_view command) const { return sent.count(QString::fromStdString(std::string(command))); }
    // Read past the log, so checks do not show up as commands of the player.
    std::string mode() { return device.send("status midifile mode").text; }
    int position() { return std::stoi(device.send("status midifile position").text); }
};

// One tick of the loop's timer: time passes, then the loop is polled.
bool PollAfterInterval(RecordingChannel& channel, MidiPlayer& music) {
    channel.device.advance(kMusicPollInterval);
    return music.pollMusicLoop();
}

}  // namespace

class TestMidiPlayer : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;
    QString tune_;  // 2000 ms

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        tune_ = folder_.filePath("曲 two seconds.mid");
        QVERIFY(midi_bytes::WriteFile(tune_, midi_bytes::TwoSecondTune()));
    }

    void creationAndReleaseSendStopAndClose() {
        RecordingChannel channel;
        {
            MidiPlayer music(channel);
            QCOMPARE(channel.sent, (QStringList{"stop midifile ", "close midifile"}));
            music.openMusic(tune_.toStdString());
            music.stopMusic();
        }
        QCOMPARE(channel.sent.mid(channel.sent.size() - 2), (QStringList{"stop midifile ", "close midifile"}));
        QCOMPARE(channel.device.send("status midifile mode").result, command_result::kUnknownDevice);
    }

    void openSendsThePathAsItIs() {
        RecordingChannel channel;
        MidiPlayer music(channel);
        channel.sent.clear();
        music.openMusic(tune_.toStdString());
        QCOMPARE(channel.sent, (QStringList{"stop midifile ", "close midifile",
                                            "open " + tune_ + " type sequencer alias midifile"}));
        QCOMPARE(music.lastResult(), command_result::kOk);
        QCOMPARE(music.filePath(), tune_.toStdString());
        QCOMPARE(music.musicLength(), 2000);
        QCOMPARE(music.musicMode(), std::string("STOPPED"));
        QCOMPARE(music.musicPosition(), std::string("0"));
    }

    void playAndStopClearLooping_data() {
        QTest::addColumn<bool>("play");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("modeAfter");
        QTest::newRow("play") << true << "play midifile" << "PLAYING";
        QTest::newRow("stop") << false << "stop midifile " << "STOPPED";
    }
    void playAndStopClearLooping() {
        QFETCH(bool, play);
        QFETCH(QString, command);
        QFETCH(QString, modeAfter);
        RecordingChannel channel;
        MidiPlayer music(channel);
        music.openMusic(tune_.toStdString());
        music.playMusicLoop();
        QVERIFY(music.looping());
        channel.sent.clear();
        play ? music.playMusic() : music.stopMusic();
        QCOMPARE(channel.sent, QStringList{command});
        QVERIFY(!music.looping());
        channel.device.advance(100ms);
        QCOMPARE(music.musicMode(), modeAfter.toStdString());
    }

    // Three times through the two-second tune: each end is answered by the
    // first poll after it, and by that poll only, although the restart lands
    // only with the next audio block.
    void loopRestartsAtEachEndOnce() {
        RecordingChannel channel;
        MidiPlayer music(channel);
        music.openMusic(tune_.toStdString());
        QCOMPARE(MusicTick(music), std::nullopt);
        QVERIFY(music.musicLoopRunning());
        QCOMPARE(channel.count("play midifile"), 1);

        qsizetype restarts = 0;
        for (int poll = 0; poll < 65; ++poll) {
            QVERIFY(PollAfterInterval(channel, music));
            if (channel.count(kRestart) > restarts) {
                restarts = channel.count(kRestart);
                QCOMPARE(channel.position(), 0);
                // The restart has not landed yet; polling again must not repeat it.
                QVERIFY(music.pollMusicLoop());
                QCOMPARE(channel.count(kRestart), restarts);
            }
            // Every poll leaves the tune playing: the poll that finds the end
            // restarts it, so no gap is longer than one poll.
            QVERIFY2(channel.mode() == "playing", qPrintable(QString("after poll %1").arg(poll)));
        }
        QCOMPARE(restarts, 3);
        QVERIFY(channel.position() < 500);
    }

    void tickDoesNothingWhileTheLoopRuns() {
        RecordingChannel channel;
        MidiPlayer music(channel);
        music.openMusic(tune_.toStdString());
        MusicTick(music);
        channel.device.advance(300ms);
        channel.sent.clear();
        QCOMPARE(MusicTick(music), std::nullopt);
        QVERIFY(channel.sent.isEmpty());
    }

    void tickNotesThePositionOfAPlayingTune() {
        RecordingChannel channel;
        MidiPlayer music(channel);
        music.openMusic(tune_.toStdString());
        music.playMusic();
        channel.device.advance(300ms);
        const auto position = MusicTick(music);
        QVERIFY(position.has_value());
        QVERIFY2(qAbs(std::stoi(*position) - 300) <= 30, position->c_str());
        QVERIFY(music.musicLoopRunning());
        QVERIFY(music.looping());
    }

    // StopMusic lets the running loop end; the next tick starts it again and
    // the tune goes on from where it stopped.
    void stopEndsTheLoopAndTheNextTickResumes() {
        RecordingChannel channel;
        MidiPlayer music(channel);
        music.openMusic(tune_.toStdString());
        MusicTick(music);
        QVERIFY(PollAfterInterval(channel, music));
        QVERIFY(PollAfterInterval(channel, music));
        music.stopMusic();
        QVERIFY(!PollAfterInterval(channel, music));
        QVERIFY(!music.musicLoopRunning());
        const int stoppedAt = channel.position();
        QCOMPARE(MusicTick(music), std::nullopt);
        QVERIFY(music.musicLoopRunning());
        QVERIFY(PollAfterInterval(channel, music));
        QVERIFY(qAbs(channel.position() - (stoppedAt + 100)) <= 30);
        QCOMPARE(channel.count(kRestart), 0);
    }

    // Health luck with a chart present: stop, click, play on. The loop keeps
    // running while the tune plays, ends at the tune's end without restarting
    // it, and the next tick sets the tune going again from the start.
    void stopThenPlayOnKeepsTheTuneRepeating() {
        RecordingChannel channel;
        MidiPlayer music(channel);
        music.openMusic(tune_.toStdString());
        MusicTick(music);
        for (int i = 0; i < 5; ++i) QVERIFY(PollAfterInterval(channel, music));
        music.stopMusic();
        music.playMusic();
        int polls = 0;
        while (PollAfterInterval(channel, music)) QVERIFY(++polls < 30);
        QCOMPARE(channel.count(kRestart), 0);
        QCOMPARE(channel.mode(), std::string("stopped"));

        MusicTick(music);
        QVERIFY(PollAfterInterval(channel, music));
        QCOMPARE(channel.count(kRestart), 1);
        QVERIFY(PollAfterInterval(channel, music));
        QCOMPARE(channel.mode(), std::string("playing"));
        QVERIFY(channel.position() <= 200);
    }

    // No tune: every command fails quietly, the replies are empty, and the
    // loop polls on without ever restarting anything.
    void missingTuneLeavesThePlayerSilentAndWorking() {
        RecordingChannel channel;
        MidiPlayer music(channel);
        music.openMusic(folder_.filePath("no such tune.mid").toStdString());
        QCOMPARE(music.lastResult(), command_result::kFileNotFound);
        QCOMPARE(music.musicLength(), 0);
        QCOMPARE(music.musicMode(), std::string());
        QCOMPARE(music.musicPosition(), std::string());
        QCOMPARE(music.lastResult(), command_result::kUnknownDevice);
        QCOMPARE(MusicTick(music), std::nullopt);
        for (int i = 0; i < 3; ++i) QVERIFY(PollAfterInterval(channel, music));
        music.stopMusic();
        music.playMusic();
        QVERIFY(PollAfterInterval(channel, music));
        QCOMPARE(channel.count(kRestart), 0);
        QCOMPARE(music.lastResult(), command_result::kUnknownDevice);
    }
};

QTEST_APPLESS_MAIN(TestMidiPlayer)
#include "test_midi_player.moc"
