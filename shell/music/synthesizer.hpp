#pragma once
// FluidSynth's synthesiser loaded with a General MIDI soundfont. It is built
// once and serves every tune opened after another; loading the soundfont is
// the slow part.

#include <chrono>
#include <filesystem>
#include <vector>

#include <fluidsynth.h>

namespace kesora {

class Synthesizer {
public:
    static constexpr int kSampleRate = 44100;
    // FluidSynth's own gain of 0.2 is very quiet; this leaves the tune's peaks
    // near -8 dBFS, well clear of clipping.
    static constexpr double kGain = 1.0;
    // Large audio blocks wake the audio thread seldom, which keeps the CPU low.
    static constexpr int kPeriodFrames = 1024;
    static constexpr int kPeriods = 4;

    // Loads the first candidate that is a soundfont FluidSynth accepts. With
    // none, the synthesiser still runs and plays silence.
    explicit Synthesizer(const std::vector<std::filesystem::path>& soundFonts);
    ~Synthesizer();
    Synthesizer(const Synthesizer&) = delete;
    Synthesizer& operator=(const Synthesizer&) = delete;

    fluid_synth_t* synth() const { return synth_; }
    fluid_settings_t* settings() const { return settings_; }
    // Empty when no soundfont could be loaded.
    const std::filesystem::path& soundFont() const { return soundFont_; }

    // Renders and discards this much sound; this is what moves a tune on when
    // no audio driver pulls the samples. Returns the loudest sample's level
    // (1.0 is full scale), so a caller can tell sound from silence.
    float render(std::chrono::milliseconds duration);
    // Cuts every voice and resets the channels, so a new tune starts clean.
    void silence();

private:
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    std::filesystem::path soundFont_;
};

}  // namespace kesora
