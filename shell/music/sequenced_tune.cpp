#include "shell/music/sequenced_tune.hpp"

#include <algorithm>

namespace kesora {

namespace {
// A seek lands within one audio block, a few tens of milliseconds. A tune that
// has played on this much past where the seek was asked has surely taken it.
constexpr std::int64_t kSeekSurelyLandedMs = 1000;
}  // namespace

SequencedTune::SequencedTune(MidiTiming timing, std::unique_ptr<TunePlayback> playback)
    : timing_(std::move(timing)), playback_(std::move(playback)) {}

void SequencedTune::play() {
    playRequested_ = true;
    // At the end the player would start its file over; the tune stays ended.
    if (!atEnd()) playback_->play();
}

void SequencedTune::playFrom(std::int64_t ms) {
    settleSeek();
    const std::int64_t target = std::min(timing_.tickAtMs(ms), timing_.totalTicks());
    if (!playback_->seek(static_cast<int>(target))) {
        // The player takes one seek per audio block; a stopped player takes
        // any, replacing the one still waiting.
        playback_->stop();
        playback_->seek(static_cast<int>(target));
    }
    const std::int64_t from = pendingSeek_ ? pendingSeek_->fromTick : playback_->currentTick();
    pendingSeek_ = PendingSeek{target, from};
    playRequested_ = true;
    playback_->play();
}

void SequencedTune::stop() {
    settleSeek();
    playRequested_ = false;
    playback_->stop();
    // Stopping seeks to the current tick, which would drop a seek still waiting.
    if (pendingSeek_) playback_->seek(static_cast<int>(pendingSeek_->targetTick));
}

bool SequencedTune::playing() { return playRequested_ && !atEnd(); }

std::int64_t SequencedTune::positionMs() {
    settleSeek();
    if (pendingSeek_) return timing_.msAtTick(pendingSeek_->targetTick);
    return timing_.msAtTick(std::min<std::int64_t>(playback_->currentTick(), timing_.totalTicks()));
}

bool SequencedTune::atEnd() {
    settleSeek();
    return !pendingSeek_ && playback_->currentTick() >= timing_.totalTicks();
}

void SequencedTune::settleSeek() {
    if (!pendingSeek_) return;
    const PendingSeek seek = *pendingSeek_;
    const std::int64_t tick = playback_->currentTick();
    const bool landed = seek.targetTick < seek.fromTick ? tick < seek.fromTick : tick >= seek.targetTick;
    const bool playedOnPast = timing_.msAtTick(tick) - timing_.msAtTick(seek.fromTick) > kSeekSurelyLandedMs;
    if (landed || playedOnPast) pendingSeek_.reset();
}

}  // namespace kesora
