#include "shell/music/synthesizer.hpp"

#include "shell/music/audio_output.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>

namespace kesora {

namespace {

void DiscardLogMessage(int, const char*, void*) {}

// FluidSynth prints to the terminal by default; nothing of it is for the user.
void SilenceFluidSynthLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = 0; level < LAST_LOG_LEVEL; ++level) fluid_set_log_function(level, DiscardLogMessage, nullptr);
    });
}

std::filesystem::path FluidSynthDefaultSoundFont(fluid_settings_t* settings) {
    char* path = nullptr;
    if (fluid_settings_dupstr(settings, "synth.default-soundfont", &path) != FLUID_OK || path == nullptr) return {};
    std::filesystem::path result(path);
    fluid_free(path);
    return result;
}

}  // namespace

std::vector<std::filesystem::path> DefaultSoundFonts() {
    std::vector<std::filesystem::path> candidates{
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf3/default-GM.sf3",
    };
    SilenceFluidSynthLog();
    if (fluid_settings_t* settings = new_fluid_settings()) {
        if (auto builtIn = FluidSynthDefaultSoundFont(settings); !builtIn.empty()) candidates.push_back(builtIn);
        delete_fluid_settings(settings);
    }
    return candidates;
}

Synthesizer::Synthesizer(const std::vector<std::filesystem::path>& soundFonts) {
    SilenceFluidSynthLog();
    settings_ = new_fluid_settings();
    fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
    fluid_settings_setnum(settings_, "synth.gain", kGain);
    fluid_settings_setint(settings_, "audio.period-size", kPeriodFrames);
    fluid_settings_setint(settings_, "audio.periods", kPeriods);
    synth_ = new_fluid_synth(settings_);
    if (synth_ == nullptr) return;
    for (const auto& candidate : soundFonts) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(candidate, error) || !fluid_is_soundfont(candidate.c_str())) continue;
        if (fluid_synth_sfload(synth_, candidate.c_str(), 1) != FLUID_FAILED) {
            soundFont_ = candidate;
            break;
        }
    }
}

Synthesizer::~Synthesizer() {
    if (synth_ != nullptr) delete_fluid_synth(synth_);
    if (settings_ != nullptr) delete_fluid_settings(settings_);
}

float Synthesizer::render(std::chrono::milliseconds duration) {
    if (synth_ == nullptr) return 0.0f;
    // Block by block, as an audio driver would pull them.
    std::array<float, kPeriodFrames> left{}, right{};
    float peak = 0.0f;
    long long frames = duration.count() * kSampleRate / 1000;
    while (frames > 0) {
        const int block = static_cast<int>(std::min<long long>(frames, kPeriodFrames));
        fluid_synth_write_float(synth_, block, left.data(), 0, 1, right.data(), 0, 1);
        for (int i = 0; i < block; ++i) peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
        frames -= block;
    }
    return peak;
}

void Synthesizer::silence() {
    if (synth_ != nullptr) fluid_synth_system_reset(synth_);
}

}  // namespace kesora
