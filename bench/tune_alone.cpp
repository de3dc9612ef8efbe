// The program's tune played by FluidSynth alone, with the same settings as
// the program's music device, looping until killed: the yardstick the music
// CPU benchmark measures the whole program against.

#include <fluidsynth.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "shell/music/audio_output.hpp"
#include "shell/music/synthesizer.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_tune_alone TUNE.mid\n");
        return 1;
    }
    fluid_set_log_function(FLUID_PANIC, nullptr, nullptr);
    fluid_set_log_function(FLUID_ERR, nullptr, nullptr);
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kesora::Synthesizer::kSampleRate);
    fluid_settings_setnum(settings, "synth.gain", kesora::Synthesizer::kGain);
    fluid_settings_setint(settings, "audio.period-size", kesora::Synthesizer::kPeriodFrames);
    fluid_settings_setint(settings, "audio.periods", kesora::Synthesizer::kPeriods);
    fluid_settings_setstr(settings, "audio.driver", "pulseaudio");
    fluid_synth_t* synth = new_fluid_synth(settings);
    for (const auto& font : kesora::DefaultSoundFonts())
        if (fluid_synth_sfload(synth, font.c_str(), 1) != FLUID_FAILED) break;
    fluid_player_t* player = new_fluid_player(synth);
    fluid_player_add(player, argv[1]);
    fluid_player_set_loop(player, -1);
    fluid_audio_driver_t* driver = new_fluid_audio_driver(settings, synth);
    if (!driver) {
        std::fprintf(stderr, "no audio driver\n");
        return 1;
    }
    fluid_player_play(player);
    fluid_player_join(player);
    delete_fluid_audio_driver(driver);
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return 0;
}
