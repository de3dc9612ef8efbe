#pragma once
// The main window's music timer and the play loop's own poll timer: the tune
// starts on the first tick and starts over whenever it ends, without a busy
// loop. Handlers run in the event loop between polls.

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include "shell/music/midi_player.hpp"

namespace kesora::shell {

class MusicTimers : public QObject {
    Q_OBJECT
public:
    // `positionLabel` receives the tune's position while it plays (may be null).
    MusicTimers(MidiPlayer& music, QLabel* positionLabel, QObject* parent = nullptr);

    // Sets the music timer to 100 ms, which starts the tune.
    void start();
    void stop();

private:
    void tick();
    void poll();

    MidiPlayer& music_;
    QPointer<QLabel> positionLabel_;
    QTimer timer1_;
    QTimer loopTimer_;
};

}  // namespace kesora::shell
