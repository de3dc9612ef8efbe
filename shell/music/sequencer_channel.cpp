#include "shell/music/sequencer_channel.hpp"

#include <charconv>

#include <fluidsynth.h>

#include "shell/music/command_text.hpp"
#include "shell/music/midi_timing.hpp"
#include "shell/music/sequenced_tune.hpp"
#include "shell/music/synthesizer.hpp"
#include "shell/music/tune_playback.hpp"

namespace kesora {

using namespace command_result;

namespace {

CommandReply Fail(CommandResult result) { return {result, {}}; }
CommandReply Ok(std::string text = {}) { return {kOk, std::move(text)}; }

std::optional<std::int64_t> WholeNumber(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

}  // namespace

SequencerChannel::SequencerChannel() : SequencerChannel(Options{}) {}

SequencerChannel::SequencerChannel(Options options) : options_(std::move(options)) {}

// The tune's playback uses the synthesiser, so it must go first.
SequencerChannel::~SequencerChannel() { tune_.reset(); }

CommandReply SequencerChannel::send(std::string_view command) {
    const CommandText text = SplitCommand(command);
    if (text.verb == "open") return open(text.target, text.words);

    const bool knownVerb = text.verb == "play" || text.verb == "stop" || text.verb == "close" || text.verb == "status";
    if (!knownVerb) return Fail(kUnrecognizedCommand);
    if (text.target.empty()) return Fail(kMissingParameter);
    if (!tune_ || text.target != alias_) return Fail(kUnknownDevice);

    if (text.verb == "play") return play(text.words);
    if (text.verb == "status") return status(text.words);
    if (!text.words.empty()) return Fail(kUnrecognizedKeyword);
    if (text.verb == "stop") {
        tune_->stop();
    } else {
        tune_.reset();
        alias_.clear();
    }
    return Ok();
}

CommandReply SequencerChannel::open(const std::filesystem::path& path, const std::vector<std::string>& words) {
    if (words.empty()) return Fail(kMissingParameter);
    if (words[0] != "sequencer") return Fail(kUnknownDevice);
    if (words.size() < 3 || words[1] != "alias") return Fail(kMissingParameter);
    if (words.size() > 3) return Fail(kUnrecognizedKeyword);
    const std::string& alias = words[2];
    if (tune_) return Fail(alias == alias_ ? kDuplicateAlias : kDeviceInUse);

    std::error_code error;
    if (path.empty() || !std::filesystem::exists(path, error)) return Fail(kFileNotFound);
    // The player accepts any file and fails later, silently; check it first.
    if (!fluid_is_midifile(path.c_str())) return Fail(kInvalidFile);
    auto timing = MidiTiming::ReadFile(path);
    if (!timing) return Fail(kInvalidFile);

    if (!synthesizer_) synthesizer_ = std::make_unique<Synthesizer>(options_.soundFonts);
    auto playback = TunePlayback::Open(*synthesizer_, path, options_.output);
    if (!playback) return Fail(kInvalidFile);
    tune_ = std::make_unique<SequencedTune>(std::move(*timing), std::move(playback));
    alias_ = alias;
    return Ok();
}

CommandReply SequencerChannel::play(const std::vector<std::string>& words) {
    if (words.empty()) {
        tune_->play();
        return Ok();
    }
    if (words[0] != "from") return Fail(kUnrecognizedKeyword);
    if (words.size() < 2) return Fail(kMissingParameter);
    if (words.size() > 2) return Fail(kUnrecognizedKeyword);
    const auto ms = WholeNumber(words[1]);
    if (!ms) return Fail(kBadInteger);
    if (*ms > tune_->lengthMs()) return Fail(kOutOfRange);
    tune_->playFrom(*ms);
    return Ok();
}

CommandReply SequencerChannel::status(const std::vector<std::string>& words) {
    if (words.empty()) return Fail(kMissingParameter);
    if (words.size() > 1) return Fail(kUnrecognizedKeyword);
    const std::string& item = words[0];
    if (item == "mode") return Ok(tune_->playing() ? "playing" : "stopped");
    if (item == "position") return Ok(std::to_string(tune_->positionMs()));
    if (item == "length") return Ok(std::to_string(tune_->lengthMs()));
    return Fail(kUnrecognizedKeyword);
}

float SequencerChannel::advance(std::chrono::milliseconds duration) {
    if (options_.output != AudioOutput::Rendered || !tune_ || !synthesizer_) return 0.0f;
    return synthesizer_->render(duration);
}

std::filesystem::path SequencerChannel::soundFont() const {
    return synthesizer_ ? synthesizer_->soundFont() : std::filesystem::path{};
}

}  // namespace kesora
