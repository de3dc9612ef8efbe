// The click: queued at once through SDL, replaced by the next click, and
// nothing at all for a missing file or a machine without an audio device.
// Runs with SDL's dummy driver, which plays queued sound in real time.
#include <QtTest>

#include <cmath>

#include "shell/sound/click_sound.hpp"

using namespace kesora;

namespace {

const std::string kShippedClick = KESORA_SOURCE_DIR "/resources/音１.wav";

void AppendLittleEndian(QByteArray& to, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i) to.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A soft 440 Hz tone, 16-bit mono at 22050 Hz, so playing it needs conversion.
QByteArray ToneWav(double seconds) {
    constexpr quint32 kRate = 22050;
    const auto frames = static_cast<quint32>(seconds * kRate);
    QByteArray wav("RIFF");
    AppendLittleEndian(wav, 36 + frames * 2, 4);
    wav.append("WAVEfmt ");
    AppendLittleEndian(wav, 16, 4);
    AppendLittleEndian(wav, 1, 2);  // PCM
    AppendLittleEndian(wav, 1, 2);  // mono
    AppendLittleEndian(wav, kRate, 4);
    AppendLittleEndian(wav, kRate * 2, 4);
    AppendLittleEndian(wav, 2, 2);
    AppendLittleEndian(wav, 16, 2);
    wav.append("data");
    AppendLittleEndian(wav, frames * 2, 4);
    for (quint32 i = 0; i < frames; ++i) {
        const auto sample = static_cast<qint16>(3000 * std::sin(2 * M_PI * 440 * i / kRate));
        AppendLittleEndian(wav, static_cast<quint16>(sample), 2);
    }
    return wav;
}

// Bytes of the two-second tone once converted for the device: 44100 Hz, stereo, 16-bit.
constexpr quint32 kTwoSecondsOnDevice = 2 * 44100 * 2 * 2;

}  // namespace

class TestClickSound : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;
    std::string longTone_, notWav_, missing_;

    static bool withoutDevice() { return qgetenv("SDL_AUDIODRIVER") != "dummy"; }

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        longTone_ = folder_.filePath("音 long tone.wav").toStdString();
        notWav_ = folder_.filePath("not a sound.wav").toStdString();
        missing_ = folder_.filePath("no such sound.wav").toStdString();
        QFile tone(QString::fromStdString(longTone_));
        QVERIFY(tone.open(QIODevice::WriteOnly));
        tone.write(ToneWav(2.0));
        QFile text(QString::fromStdString(notWav_));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("RIFF but nothing more");
    }

    void shippedClickPlays() {
        if (withoutDevice()) QSKIP("runs with SDL's dummy audio driver");
        ClickSoundPlayer player;
        QVERIFY(player.play(kShippedClick));
        QVERIFY(player.hasDevice());
    }

    // The call comes back while its sound is still waiting to be played.
    void returnsWhileTheSoundPlays() {
        if (withoutDevice()) QSKIP("runs with SDL's dummy audio driver");
        ClickSoundPlayer player;
        QVERIFY(player.play(longTone_));
        QVERIFY(player.queuedBytes() > 0);
        QVERIFY(player.queuedBytes() <= kTwoSecondsOnDevice);
    }

    void aSecondClickReplacesTheFirst() {
        if (withoutDevice()) QSKIP("runs with SDL's dummy audio driver");
        ClickSoundPlayer player;
        QVERIFY(player.play(longTone_));
        QVERIFY(player.play(longTone_));
        QVERIFY(player.queuedBytes() > kTwoSecondsOnDevice / 2);
        QVERIFY(player.queuedBytes() <= kTwoSecondsOnDevice);
    }

    void unplayableFilesPlayNothing_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("missing") << QString::fromStdString(missing_);
        QTest::newRow("not a WAV") << QString::fromStdString(notWav_);
        QTest::newRow("a folder") << folder_.path();
        QTest::newRow("empty path") << QString();
    }
    // The sound already playing goes on, and the player still works afterwards.
    void unplayableFilesPlayNothing() {
        if (withoutDevice()) QSKIP("runs with SDL's dummy audio driver");
        QFETCH(QString, file);
        ClickSoundPlayer player;
        QVERIFY(player.play(longTone_));
        QVERIFY(!player.play(file.toStdString()));
        QVERIFY(player.queuedBytes() > 0);
        QVERIFY(player.play(kShippedClick));
    }

    void playClickSoundReportsWhetherItPlays() {
        if (withoutDevice()) QSKIP("runs with SDL's dummy audio driver");
        QCOMPARE(PlayClickSound(kShippedClick), 1);
        QCOMPARE(PlayClickSound(missing_), 0);
        QCOMPARE(PlayClickSound(kShippedClick), 1);
    }

    // Run separately with an audio driver that does not exist.
    void noAudioDevicePlaysNothing() {
        if (!withoutDevice()) QSKIP("runs without an audio device");
        ClickSoundPlayer player;
        QVERIFY(!player.play(kShippedClick));
        QVERIFY(!player.hasDevice());
        QCOMPARE(player.queuedBytes(), 0u);
        QCOMPARE(PlayClickSound(kShippedClick), 0);
        QCOMPARE(PlayClickSound(kShippedClick), 0);
    }
};

QTEST_APPLESS_MAIN(TestClickSound)
#include "test_click_sound.moc"
