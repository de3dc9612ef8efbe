#include "shell/music/midi_timing.hpp"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace kesora {

namespace {

constexpr std::int64_t kDefaultMicrosPerQuarter = 500'000;  // 120 beats a minute
// Far larger than any tune; keeps a damaged length field from reserving memory.
constexpr std::uintmax_t kMaxFileBytes = 16 * 1024 * 1024;

struct TempoChange {
    std::int64_t tick;
    std::int64_t microsPerQuarter;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }
    std::size_t left() const { return bytes_.size() - pos_; }

    std::optional<std::uint32_t> byte() {
        if (atEnd()) return std::nullopt;
        return bytes_[pos_++];
    }
    std::optional<std::uint32_t> bigEndian(int count) {
        if (left() < static_cast<std::size_t>(count)) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) value = (value << 8) | bytes_[pos_++];
        return value;
    }
    // MIDI's variable-length quantity: at most four bytes of seven bits.
    std::optional<std::uint32_t> variableLength() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto b = byte();
            if (!b) return std::nullopt;
            value = (value << 7) | (*b & 0x7F);
            if ((*b & 0x80) == 0) return value;
        }
        return std::nullopt;
    }
    bool skip(std::size_t count) {
        if (left() < count) return false;
        pos_ += count;
        return true;
    }
    std::span<const std::uint8_t> take(std::size_t count) {
        const auto part = bytes_.subspan(pos_, count);
        pos_ += count;
        return part;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

int DataBytesOfChannelMessage(std::uint32_t status) {
    const std::uint32_t kind = status & 0xF0;
    return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

// Reads one track's events; returns the tick of its last event.
std::optional<std::int64_t> ReadTrack(std::span<const std::uint8_t> body, std::vector<TempoChange>& tempos) {
    ByteReader in(body);
    std::int64_t tick = 0;
    std::uint32_t runningStatus = 0;
    while (!in.atEnd()) {
        const auto delta = in.variableLength();
        const auto first = in.byte();
        if (!delta || !first) return std::nullopt;
        tick += *delta;

        std::uint32_t status = *first;
        if (status < 0x80) {
            if (runningStatus == 0) return std::nullopt;
            status = runningStatus;
            if (DataBytesOfChannelMessage(status) == 2 && !in.skip(1)) return std::nullopt;
            continue;
        }
        if (status < 0xF0) {
            runningStatus = status;
            if (!in.skip(static_cast<std::size_t>(DataBytesOfChannelMessage(status)))) return std::nullopt;
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            const auto length = in.variableLength();
            if (!length || !in.skip(*length)) return std::nullopt;
            continue;
        }
        if (status != 0xFF) return std::nullopt;

        const auto type = in.byte();
        const auto length = in.variableLength();
        if (!type || !length || in.left() < *length) return std::nullopt;
        const auto data = in.take(*length);
        if (*type == 0x2F) break;  // end of track: anything after it is ignored
        if (*type == 0x51) {
            if (data.size() != 3) return std::nullopt;
            const std::int64_t micros = (std::int64_t{data[0]} << 16) | (data[1] << 8) | data[2];
            if (micros == 0) return std::nullopt;
            tempos.push_back({tick, micros});
        }
    }
    return tick;
}

}  // namespace

std::optional<MidiTiming> MidiTiming::Parse(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    const auto id = in.bigEndian(4);
    const auto headerLength = in.bigEndian(4);
    const auto format = in.bigEndian(2);
    const auto trackCount = in.bigEndian(2);
    const auto division = in.bigEndian(2);
    if (!id || !headerLength || !format || !trackCount || !division) return std::nullopt;
    if (*id != 0x4D546864 /* "MThd" */ || *headerLength != 6 || *format > 2) return std::nullopt;
    // A negative division counts SMPTE frames, which the synthesiser cannot play.
    if (*division == 0 || (*division & 0x8000) != 0) return std::nullopt;

    std::vector<TempoChange> tempos;
    std::int64_t totalTicks = 0;
    for (std::uint32_t track = 0; track < *trackCount;) {
        const auto chunkId = in.bigEndian(4);
        const auto chunkLength = in.bigEndian(4);
        if (!chunkLength || in.left() < *chunkLength) return std::nullopt;
        const auto body = in.take(*chunkLength);
        if (*chunkId != 0x4D54726B /* "MTrk" */) continue;  // other chunks are skipped
        const auto lastTick = ReadTrack(body, tempos);
        if (!lastTick) return std::nullopt;
        totalTicks = std::max(totalTicks, *lastTick);
        ++track;
    }

    // Tempo events of all tracks act on the one clock; at equal ticks the one
    // read last wins, as it does when the tracks are played.
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    std::vector<TempoSpan> spans;
    const auto msPerTick = [&](std::int64_t micros) { return static_cast<double>(micros) / 1000.0 / *division; };
    spans.push_back({0, 0.0, msPerTick(kDefaultMicrosPerQuarter)});
    for (const TempoChange& change : tempos) {
        TempoSpan& last = spans.back();
        if (change.tick == last.startTick) {
            last.msPerTick = msPerTick(change.microsPerQuarter);
            continue;
        }
        const double startMs = last.startMs + static_cast<double>(change.tick - last.startTick) * last.msPerTick;
        spans.push_back({change.tick, startMs, msPerTick(change.microsPerQuarter)});
    }
    return MidiTiming(std::move(spans), totalTicks);
}

std::optional<MidiTiming> MidiTiming::ReadFile(const std::filesystem::path& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > kMaxFileBytes) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
        return std::nullopt;
    }
    return Parse(bytes);
}

std::int64_t MidiTiming::msAtTick(std::int64_t tick) const {
    tick = std::max<std::int64_t>(tick, 0);
    const auto after = std::upper_bound(spans_.begin(), spans_.end(), tick,
                                        [](std::int64_t t, const TempoSpan& span) { return t < span.startTick; });
    const TempoSpan& span = *std::prev(after);
    return std::llround(span.startMs + static_cast<double>(tick - span.startTick) * span.msPerTick);
}

std::int64_t MidiTiming::tickAtMs(std::int64_t ms) const {
    ms = std::max<std::int64_t>(ms, 0);
    const auto after = std::upper_bound(spans_.begin(), spans_.end(), static_cast<double>(ms),
                                        [](double t, const TempoSpan& span) { return t < span.startMs; });
    const TempoSpan& span = *std::prev(after);
    return span.startTick + static_cast<std::int64_t>(std::ceil((static_cast<double>(ms) - span.startMs) / span.msPerTick - 1e-9));
}

}  // namespace kesora
