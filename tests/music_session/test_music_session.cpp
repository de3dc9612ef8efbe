// The tune in the event loop: the music timer starts the loop, the loop's own
// timer restarts the tune at its end, and ending the program stops it first.
#include <QtTest>

#include "shell/music/session/music_session.hpp"

using namespace kesora;

namespace {

// A music device that logs every command and reports the mode it is told to.
class RecordingDevice final : public CommandChannel {
public:
    QStringList log;
    std::string mode = "playing";

    CommandReply send(std::string_view command) override {
        log << QString::fromUtf8(command.data(), qsizetype(command.size()));
        if (command == "status midifile mode") return {command_result::kOk, mode};
        if (command == "status midifile length") return {command_result::kOk, "45700"};
        if (command == "status midifile position") return {command_result::kOk, "1200"};
        return {};
    }
    int count(const QString& command) const { return int(log.count(command)); }
};

}  // namespace

class TestMusicSession : public QObject {
    Q_OBJECT
private slots:
    void startOpensTheTuneAndStartsTheLoop() {
        RecordingDevice device;
        shell::MusicSession session(device);
        QCOMPARE(session.start("/opt/kesora dir/M_S1.mid"), 45700);
        QVERIFY(device.log.contains("open /opt/kesora dir/M_S1.mid type sequencer alias midifile"));
        QTRY_VERIFY_WITH_TIMEOUT(device.count("play midifile") == 1, 5000);
        QVERIFY(session.player()->musicLoopRunning());
        // While the tune plays, ticks poll the mode and never restart it.
        QTRY_VERIFY_WITH_TIMEOUT(device.count("status midifile mode") >= 4, 5000);
        QCOMPARE(device.count("play midifile from 0"), 0);
        QCOMPARE(device.count("play midifile"), 1);
    }

    void tuneStartsOverAtItsEnd() {
        RecordingDevice device;
        shell::MusicSession session(device);
        session.start("M_S1.mid");
        QTRY_VERIFY_WITH_TIMEOUT(session.player()->musicLoopRunning(), 5000);
        device.mode = "stopped";
        QTRY_VERIFY_WITH_TIMEOUT(device.count("play midifile from 0") >= 1, 5000);
        device.mode = "playing";
        const int restarts = device.count("play midifile from 0");
        QTest::qWait(350);
        QCOMPARE(device.count("play midifile from 0"), restarts);
        QVERIFY(session.player()->musicLoopRunning());
    }

    // The health luck stops the tune for its click and plays it on; the loop
    // then ends and the next music tick starts it again, so it keeps repeating.
    void pauseForTheClickThenTheTuneRepeats() {
        RecordingDevice device;
        shell::MusicSession session(device);
        session.start("M_S1.mid");
        QTRY_VERIFY_WITH_TIMEOUT(session.player()->musicLoopRunning(), 5000);
        session.stopMusic();
        session.playMusic();
        QCOMPARE(device.log.mid(device.log.size() - 2), (QStringList{"stop midifile ", "play midifile"}));
        device.mode = "stopped";  // the tune reaches its end
        QTRY_VERIFY_WITH_TIMEOUT(!session.player()->musicLoopRunning(), 5000);
        device.mode = "playing";
        const int plays = device.count("play midifile");
        QTRY_VERIFY_WITH_TIMEOUT(device.count("play midifile") > plays, 5000);
        QVERIFY(session.player()->musicLoopRunning());
    }

    void endingStopsThenReleases() {
        RecordingDevice device;
        shell::MusicSession session(device);
        session.start("M_S1.mid");
        device.log.clear();
        session.stopAndRelease();
        QCOMPARE(device.log, (QStringList{"stop midifile ", "stop midifile ", "close midifile"}));
        QVERIFY(!session.player());
        // Nothing more reaches the device once released.
        QTest::qWait(250);
        QCOMPARE(device.log.size(), 3);
        session.stopAndRelease();
        QCOMPARE(device.log.size(), 3);
    }

    void noTuneNoCommands() {
        RecordingDevice device;
        shell::MusicSession session(device);
        session.stopMusic();
        session.playMusic();
        session.stopAndRelease();
        QVERIFY(device.log.isEmpty());
    }
};

QTEST_MAIN(TestMusicSession)
#include "test_music_session.moc"
