#include "shell/music/session/music_session.hpp"

namespace kesora::shell {

std::int32_t MusicSession::start(const std::string& tunePath) {
    player_ = std::make_unique<MidiPlayer>(device_);
    player_->openMusic(tunePath);
    timers_ = std::make_unique<MusicTimers>(*player_, nullptr);
    timers_->start();
    return player_->musicLength();
}

void MusicSession::stopMusic() {
    if (player_) player_->stopMusic();
}

void MusicSession::playMusic() {
    if (player_) player_->playMusic();
}

void MusicSession::stopAndRelease() {
    if (!player_) return;
    timers_.reset();
    player_->stopMusic();
    player_.reset();
}

}  // namespace kesora::shell
