#include "shell/music/session/music_timers.hpp"

#include "shell/music/music_tick.hpp"

namespace kesora::shell {

MusicTimers::MusicTimers(MidiPlayer& music, QLabel* positionLabel, QObject* parent)
    : QObject(parent), music_(music), positionLabel_(positionLabel) {
    timer1_.setInterval(100);
    loopTimer_.setInterval(static_cast<int>(kMusicPollInterval.count()));
    connect(&timer1_, &QTimer::timeout, this, &MusicTimers::tick);
    connect(&loopTimer_, &QTimer::timeout, this, &MusicTimers::poll);
}

void MusicTimers::start() { timer1_.start(); }

void MusicTimers::stop() {
    timer1_.stop();
    loopTimer_.stop();
}

void MusicTimers::tick() {
    // A tick while the loop runs does nothing; the loop has its own timer.
    if (music_.musicLoopRunning()) return;
    if (const auto position = MusicTick(music_); position && positionLabel_)
        positionLabel_->setText(QString::fromStdString(*position));
    if (music_.musicLoopRunning()) loopTimer_.start();
}

void MusicTimers::poll() {
    if (!music_.pollMusicLoop()) loopTimer_.stop();
}

}  // namespace kesora::shell
