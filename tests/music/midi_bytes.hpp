#pragma once
// Builds small Standard MIDI Files byte by byte for the music tests.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include <QByteArray>
#include <QFile>
#include <QString>

namespace midi_bytes {

using Bytes = std::vector<std::uint8_t>;

inline Bytes VariableLength(std::uint32_t value) {
    Bytes groups{static_cast<std::uint8_t>(value & 0x7F)};
    while ((value >>= 7) != 0) groups.insert(groups.begin(), static_cast<std::uint8_t>((value & 0x7F) | 0x80));
    return groups;
}

inline void Append(Bytes& to, const Bytes& more) { to.insert(to.end(), more.begin(), more.end()); }

inline Bytes BigEndian(std::uint32_t value, int count) {
    Bytes bytes;
    for (int shift = 8 * (count - 1); shift >= 0; shift -= 8) bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    return bytes;
}

// One event: its delta time in ticks and its bytes after the delta.
struct Event {
    std::uint32_t delta;
    Bytes message;
};

inline Bytes Tempo(std::uint32_t microsPerQuarter) {
    Bytes message{0xFF, 0x51, 0x03};
    Append(message, BigEndian(microsPerQuarter, 3));
    return message;
}
inline Bytes NoteOn(std::uint8_t key) { return {0x90, key, 90}; }
inline Bytes NoteOff(std::uint8_t key) { return {0x80, key, 0}; }
inline Bytes EndOfTrack() { return {0xFF, 0x2F, 0x00}; }

inline Bytes Chunk(const char (&id)[5], const Bytes& body) {
    Bytes chunk(id, id + 4);
    Append(chunk, BigEndian(static_cast<std::uint32_t>(body.size()), 4));
    Append(chunk, body);
    return chunk;
}

inline Bytes Track(std::initializer_list<Event> events) {
    Bytes body;
    for (const Event& event : events) {
        Append(body, VariableLength(event.delta));
        Append(body, event.message);
    }
    return Chunk("MTrk", body);
}

inline Bytes Header(std::uint16_t format, std::uint16_t tracks, std::uint16_t division) {
    Bytes body;
    Append(body, BigEndian(format, 2));
    Append(body, BigEndian(tracks, 2));
    Append(body, BigEndian(division, 2));
    return Chunk("MThd", body);
}

inline Bytes File(std::uint16_t format, std::uint16_t division, std::initializer_list<Bytes> chunks,
                  int declaredTracks = -1) {
    Bytes file = Header(format, static_cast<std::uint16_t>(declaredTracks >= 0 ? declaredTracks : chunks.size()),
                        division);
    for (const Bytes& chunk : chunks) Append(file, chunk);
    return file;
}

// A two-second tune at 120 beats a minute: four quarter notes, 1920 ticks.
inline Bytes TwoSecondTune() {
    return File(0, 480, {Track({{0, Tempo(500'000)}, {0, {0xC0, 0}},
                                {0, NoteOn(60)}, {480, NoteOff(60)}, {0, NoteOn(64)}, {480, NoteOff(64)},
                                {0, NoteOn(67)}, {480, NoteOff(67)}, {0, NoteOn(72)}, {480, NoteOff(72)},
                                {0, EndOfTrack()}})});
}

inline QByteArray ToQByteArray(const Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

inline bool WriteFile(const QString& path, const Bytes& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(ToQByteArray(bytes)) == static_cast<qint64>(bytes.size());
}

}  // namespace midi_bytes
