#pragma once
// One open tune as the command strings see it: playing or stopped, with a
// position and a length in milliseconds.
//
// FluidSynth's player keeps reporting "playing" for seconds after the last
// note while the sound dies away, so the tune counts as ended as soon as its
// current tick reaches the file's last tick. A seek lands only with the next
// audio block; until it has, the tune reads as playing at the seek's target,
// so a restart at the end is neither lost nor asked for twice.

#include <cstdint>
#include <memory>
#include <optional>

#include "shell/music/midi_timing.hpp"
#include "shell/music/tune_playback.hpp"

namespace kesora {

class SequencedTune {
public:
    SequencedTune(MidiTiming timing, std::unique_ptr<TunePlayback> playback);

    // Plays on from the current position; a tune at its end stays stopped.
    void play();
    // Plays from this time, which must lie within the tune.
    void playFrom(std::int64_t ms);
    // Stops; the position holds until the next play.
    void stop();

    bool playing();
    std::int64_t positionMs();
    std::int64_t lengthMs() const { return timing_.lengthMs(); }

private:
    struct PendingSeek {
        std::int64_t targetTick;
        std::int64_t fromTick;
    };

    bool atEnd();
    void settleSeek();

    MidiTiming timing_;
    std::unique_ptr<TunePlayback> playback_;
    bool playRequested_ = false;
    std::optional<PendingSeek> pendingSeek_;
};

}  // namespace kesora
