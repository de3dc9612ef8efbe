#pragma once
// One MIDI file in FluidSynth's player, sounding through an audio driver or,
// for tests, moved on by rendering.

#include <filesystem>
#include <memory>

#include "shell/music/audio_output.hpp"
#include "shell/music/synthesizer.hpp"

namespace kesora {

class TunePlayback {
public:
    // Nothing when the player cannot be made or refuses the file.
    static std::unique_ptr<TunePlayback> Open(Synthesizer& synthesizer, const std::filesystem::path& file,
                                              AudioOutput output);
    ~TunePlayback();
    TunePlayback(const TunePlayback&) = delete;
    TunePlayback& operator=(const TunePlayback&) = delete;

    void play();
    // Pauses; a later play goes on from here.
    void stop();
    // Takes effect with the next audio block. False while an earlier seek is
    // still waiting for its block.
    bool seek(int tick);
    int currentTick() const;
    bool hasAudioDriver() const { return driver_ != nullptr; }

private:
    TunePlayback(Synthesizer& synthesizer, fluid_player_t* player);
    void startAudioDriver();

    Synthesizer& synthesizer_;
    fluid_player_t* player_;
    fluid_audio_driver_t* driver_ = nullptr;
};

}  // namespace kesora
