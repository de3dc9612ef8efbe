// Reading a MIDI file's length and clock from its own bytes.
#include <QtTest>

#include "shell/music/midi_timing.hpp"
#include "tests/music/midi_bytes.hpp"

using namespace kesora;
using namespace midi_bytes;

Q_DECLARE_METATYPE(midi_bytes::Bytes)

namespace {
const Bytes kText = {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '\n', 'n', 'o', ' ', 'm', 'i', 'd', 'i'};
}  // namespace

class TestMidiTiming : public QObject {
    Q_OBJECT
private slots:
    void playableFiles_data() {
        QTest::addColumn<Bytes>("file");
        QTest::addColumn<qint64>("totalTicks");
        QTest::addColumn<qint64>("lengthMs");
        QTest::addColumn<qint64>("probeTick");
        QTest::addColumn<qint64>("probeMs");

        QTest::newRow("no tempo event: 120 a minute")
            << File(0, 480, {Track({{0, NoteOn(60)}, {960, NoteOff(60)}, {0, EndOfTrack()}})})
            << qint64(960) << qint64(1000) << qint64(480) << qint64(500);
        QTest::newRow("two-second fixture") << TwoSecondTune() << qint64(1920) << qint64(2000) << qint64(1440)
                                            << qint64(1500);
        QTest::newRow("tempo halves half-way")
            << File(0, 480, {Track({{0, Tempo(500'000)}, {960, Tempo(1'000'000)}, {960, EndOfTrack()}})})
            << qint64(1920) << qint64(3000) << qint64(1440) << qint64(2000);
        QTest::newRow("tempo from another track acts on all")
            << File(1, 96, {Track({{0, NoteOn(60)}, {192, NoteOff(60)}, {0, EndOfTrack()}}),
                            Track({{0, Tempo(250'000)}, {0, EndOfTrack()}})})
            << qint64(192) << qint64(500) << qint64(96) << qint64(250);
        QTest::newRow("longest track sets the length")
            << File(1, 480, {Track({{480, EndOfTrack()}}), Track({{0, NoteOn(60)}, {1920, EndOfTrack()}})})
            << qint64(1920) << qint64(2000) << qint64(480) << qint64(500);
        QTest::newRow("equal ticks: the tempo read last wins")
            << File(0, 480, {Track({{0, Tempo(1'000'000)}, {0, Tempo(500'000)}, {480, EndOfTrack()}})})
            << qint64(480) << qint64(500) << qint64(480) << qint64(500);
        QTest::newRow("running status, sysex and text skipped")
            << File(0, 480, {Track({{0, {0xF0, 0x03, 0x7E, 0x7F, 0xF7}}, {0, {0xFF, 0x01, 0x02, 'h', 'i'}},
                                    {0, {0x90, 60, 90}}, {240, {62, 90}}, {240, {0xC0, 5}}, {0, {0xD0, 3}},
                                    {480, {0xE0, 0, 64}}, {0, EndOfTrack()}})})
            << qint64(960) << qint64(1000) << qint64(240) << qint64(250);
        QTest::newRow("events after end of track ignored")
            << File(0, 480, {Track({{480, EndOfTrack()}, {5000, NoteOn(60)}})}) << qint64(480) << qint64(500)
            << qint64(480) << qint64(500);
        QTest::newRow("track without end-of-track ends with its chunk")
            << File(0, 480, {Track({{0, NoteOn(60)}, {720, NoteOff(60)}})}) << qint64(720) << qint64(750)
            << qint64(720) << qint64(750);
        QTest::newRow("foreign chunk skipped")
            << File(1, 480, {Chunk("XFIH", {1, 2, 3}), Track({{960, EndOfTrack()}})}, 1) << qint64(960)
            << qint64(1000) << qint64(960) << qint64(1000);
        QTest::newRow("four-byte delta time")
            << File(0, 480, {Track({{0x0FFFFFFF, EndOfTrack()}})}) << qint64(0x0FFFFFFF)
            << qint64(279620266) << qint64(480) << qint64(500);
        QTest::newRow("no tracks") << File(1, 480, {}) << qint64(0) << qint64(0) << qint64(0) << qint64(0);
    }
    void playableFiles() {
        QFETCH(Bytes, file);
        QFETCH(qint64, totalTicks);
        QFETCH(qint64, lengthMs);
        QFETCH(qint64, probeTick);
        QFETCH(qint64, probeMs);
        const auto timing = MidiTiming::Parse(file);
        QVERIFY(timing.has_value());
        QCOMPARE(timing->totalTicks(), totalTicks);
        QCOMPARE(timing->lengthMs(), lengthMs);
        QCOMPARE(timing->msAtTick(probeTick), probeMs);
    }

    void rejectedFiles_data() {
        QTest::addColumn<Bytes>("file");
        const Bytes oneTrack = Track({{480, EndOfTrack()}});
        Bytes truncated = File(0, 480, {oneTrack});
        truncated.resize(truncated.size() - 2);
        Bytes longHeader = Chunk("MThd", {0, 0, 0, 1, 1, 0xE0, 0});
        Append(longHeader, oneTrack);

        QTest::newRow("empty") << Bytes{};
        QTest::newRow("text") << kText;
        QTest::newRow("header only, cut short") << Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0};
        QTest::newRow("header longer than six bytes") << longHeader;
        QTest::newRow("format 3") << File(3, 480, {oneTrack});
        QTest::newRow("SMPTE frames") << File(0, 0xE728, {oneTrack});
        QTest::newRow("division 0") << File(0, 0, {oneTrack});
        QTest::newRow("track cut short") << truncated;
        QTest::newRow("fewer tracks than declared") << File(1, 480, {oneTrack}, 2);
        QTest::newRow("note cut off by its chunk") << File(0, 480, {Chunk("MTrk", {0, 0x90, 60})});
        QTest::newRow("data byte before any status") << File(0, 480, {Track({{0, {60, 90}}, {0, EndOfTrack()}})});
        QTest::newRow("five-byte delta time")
            << File(0, 480, {Chunk("MTrk", {0x81, 0x80, 0x80, 0x80, 0x00, 0xFF, 0x2F, 0x00})});
        QTest::newRow("tempo of two bytes")
            << File(0, 480, {Track({{0, {0xFF, 0x51, 0x02, 0x07, 0xA1}}, {0, EndOfTrack()}})});
        QTest::newRow("tempo zero") << File(0, 480, {Track({{0, Tempo(0)}, {0, EndOfTrack()}})});
        QTest::newRow("system message in a track") << File(0, 480, {Track({{0, {0xF2, 0, 0}}, {0, EndOfTrack()}})});
        QTest::newRow("meta length past the chunk") << File(0, 480, {Chunk("MTrk", {0, 0xFF, 0x01, 0x10, 'a'})});
    }
    void rejectedFiles() {
        QFETCH(Bytes, file);
        QVERIFY(!MidiTiming::Parse(file).has_value());
    }

    // Over a tempo change at 1 s: 500 ms a beat, then 1000 ms a beat.
    void tickAtMs_data() {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<qint64>("tick");
        QTest::newRow("start") << qint64(0) << qint64(0);
        QTest::newRow("before the change") << qint64(500) << qint64(480);
        QTest::newRow("at the change") << qint64(1000) << qint64(960);
        QTest::newRow("after the change") << qint64(2000) << qint64(1440);
        QTest::newRow("between ticks rounds up") << qint64(1001) << qint64(961);
        QTest::newRow("negative reads as 0") << qint64(-5) << qint64(0);
    }
    void tickAtMs() {
        QFETCH(qint64, ms);
        QFETCH(qint64, tick);
        const auto timing =
            MidiTiming::Parse(File(0, 480, {Track({{0, Tempo(500'000)}, {960, Tempo(1'000'000)}, {960, EndOfTrack()}})}));
        QVERIFY(timing.has_value());
        QCOMPARE(timing->tickAtMs(ms), tick);
    }

    void readsFilesFromDisk() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath("曲 one.mid");
        QVERIFY(WriteFile(path, TwoSecondTune()));
        const auto timing = MidiTiming::ReadFile(std::filesystem::path(path.toStdString()));
        QVERIFY(timing.has_value());
        QCOMPARE(timing->lengthMs(), qint64(2000));
        QVERIFY(!MidiTiming::ReadFile(std::filesystem::path(folder.filePath("missing.mid").toStdString())));
    }
};

QTEST_APPLESS_MAIN(TestMidiTiming)
#include "test_midi_timing.moc"
