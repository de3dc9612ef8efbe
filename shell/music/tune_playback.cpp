#include "shell/music/tune_playback.hpp"

#include <initializer_list>

namespace kesora {

std::unique_ptr<TunePlayback> TunePlayback::Open(Synthesizer& synthesizer, const std::filesystem::path& file,
                                                 AudioOutput output) {
    if (synthesizer.synth() == nullptr) return nullptr;
    fluid_player_t* player = new_fluid_player(synthesizer.synth());
    if (player == nullptr) return nullptr;
    std::unique_ptr<TunePlayback> playback(new TunePlayback(synthesizer, player));
    if (fluid_player_add(player, file.c_str()) != FLUID_OK) return nullptr;
    if (output == AudioOutput::Device) playback->startAudioDriver();
    return playback;
}

TunePlayback::TunePlayback(Synthesizer& synthesizer, fluid_player_t* player)
    : synthesizer_(synthesizer), player_(player) {}

TunePlayback::~TunePlayback() {
    // The driver's thread calls into the player, so it goes first.
    if (driver_ != nullptr) delete_fluid_audio_driver(driver_);
    delete_fluid_player(player_);
    synthesizer_.silence();
}

void TunePlayback::startAudioDriver() {
    for (const char* name : {"pulseaudio", "alsa"}) {
        fluid_settings_setstr(synthesizer_.settings(), "audio.driver", name);
        driver_ = new_fluid_audio_driver(synthesizer_.settings(), synthesizer_.synth());
        if (driver_ != nullptr) return;
    }
}

void TunePlayback::play() { fluid_player_play(player_); }

void TunePlayback::stop() { fluid_player_stop(player_); }

bool TunePlayback::seek(int tick) { return fluid_player_seek(player_, tick) == FLUID_OK; }

int TunePlayback::currentTick() const { return fluid_player_get_current_tick(player_); }

}  // namespace kesora
