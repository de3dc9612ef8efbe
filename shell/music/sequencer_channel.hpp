#pragma once
// The music device behind the command strings: one MIDI sequencer, opened
// under an alias, played by FluidSynth.
//
//   open <path> type sequencer alias <alias>
//   play <alias> [from <ms>]      stop <alias>      close <alias>
//   status <alias> mode|position|length
//
// Replies: mode "playing" or "stopped"; position and length in milliseconds.
// A tune that has reached its end reads "stopped" at once, even while the
// synthesiser still lets its last notes ring. Where no audio driver opens,
// the tune stays at its start: silent, with every command still answered.

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "shell/music/command_channel.hpp"
#include "shell/music/audio_output.hpp"

namespace kesora {

class SequencedTune;
class Synthesizer;

class SequencerChannel final : public CommandChannel {
public:
    struct Options {
        AudioOutput output = AudioOutput::Device;
        // Tried in order; see DefaultSoundFonts().
        std::vector<std::filesystem::path> soundFonts = DefaultSoundFonts();
    };

    SequencerChannel();
    explicit SequencerChannel(Options options);
    ~SequencerChannel() override;
    SequencerChannel(const SequencerChannel&) = delete;
    SequencerChannel& operator=(const SequencerChannel&) = delete;

    CommandReply send(std::string_view command) override;

    // With AudioOutput::Rendered: plays the open tune on by this much time,
    // in audio blocks as a driver would, and returns the loudest sample's
    // level. Does nothing with no tune open.
    float advance(std::chrono::milliseconds duration);

    // The soundfont in use; empty until the first open, or when none loaded.
    std::filesystem::path soundFont() const;

private:
    CommandReply open(const std::filesystem::path& path, const std::vector<std::string>& words);
    CommandReply play(const std::vector<std::string>& words);
    CommandReply status(const std::vector<std::string>& words);

    Options options_;
    std::unique_ptr<Synthesizer> synthesizer_;  // built at the first open
    std::string alias_;
    std::unique_ptr<SequencedTune> tune_;
};

}  // namespace kesora
