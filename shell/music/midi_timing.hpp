#pragma once
// The clock of a Standard MIDI File: its length and the milliseconds at any
// tick, read from the file itself through its tempo map. The synthesiser's
// player does not report these reliably (it learns a file's length only once
// it has started playing it), so the command layer keeps its own.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace kesora {

class MidiTiming {
public:
    // Nothing for bytes that are not a complete MIDI file the synthesiser can
    // play: a bad header, a truncated track, or timing in SMPTE frames.
    static std::optional<MidiTiming> Parse(std::span<const std::uint8_t> bytes);
    static std::optional<MidiTiming> ReadFile(const std::filesystem::path& path);

    // The tick of the last event of the longest track, end-of-track included.
    std::int64_t totalTicks() const { return totalTicks_; }
    std::int64_t lengthMs() const { return msAtTick(totalTicks_); }

    // Rounded to whole milliseconds; ticks beyond the end keep the last tempo.
    std::int64_t msAtTick(std::int64_t tick) const;
    // The first tick at or after the given time.
    std::int64_t tickAtMs(std::int64_t ms) const;

private:
    struct TempoSpan {
        std::int64_t startTick;
        double startMs;
        double msPerTick;
    };

    MidiTiming(std::vector<TempoSpan> spans, std::int64_t totalTicks)
        : spans_(std::move(spans)), totalTicks_(totalTicks) {}

    std::vector<TempoSpan> spans_;  // sorted by startTick, the first at tick 0
    std::int64_t totalTicks_ = 0;
};

}  // namespace kesora
