#!/usr/bin/env python3
"""Writes Kesora's default media: the looping tune "M_S1.mid" and the click "音１.wav".

Both are composed here from scratch, so changing the tune or the click means
changing this script and running it again:

    python3 resources/tools/make_media.py [output folder, default: resources/]

Only the standard library is used, and the output is byte-for-byte
reproducible, so the committed files can be checked against the script.
"""

import math
import struct
import sys
import wave
from pathlib import Path

TUNE_NAME = "M_S1.mid"
CLICK_NAME = "音１.wav"  # the "１" is the full-width digit

# ---------------------------------------------------------------------------
# The tune: sixteen bars in C major at a relaxed 84 beats a minute (about 46 s),
# a flute melody over harp arpeggios, a string pad and a soft bass. The chords
# follow the IV-V-iii-vi turn of Japanese pop ballads; the last bar rests on
# G and a single pickup note leads back into the F of bar 1, so the loop has
# no seam. Every note has ended by the end of the last bar.

TICKS_PER_QUARTER = 480
EIGHTH = TICKS_PER_QUARTER // 2
BAR = 8 * EIGHTH
BEATS_PER_MINUTE = 84

# Pitches as MIDI note numbers (60 = middle C).
C2, D2, E2, F2, G2, A2 = 36, 38, 40, 41, 43, 45
G4, A4, B4 = 67, 69, 71
C5, D5, E5, F5, G5, A5 = 72, 74, 76, 77, 79, 81
REST = None

# name: (bass root, pad voicing, arpeggio tones low to high)
CHORDS = {
    "Fmaj7": (F2, [53, 57, 60, 64], [53, 60, 64, 69]),
    "G":     (G2, [55, 59, 62, 67], [55, 62, 67, 71]),
    "Em7":   (E2, [52, 55, 59, 62], [52, 59, 62, 67]),
    "Am7":   (A2, [57, 60, 64, 67], [57, 64, 67, 72]),
    "Dm7":   (D2, [50, 53, 57, 60], [50, 57, 60, 65]),
    "Cmaj7": (C2, [48, 52, 55, 59], [48, 55, 59, 64]),
}

PROGRESSION = [
    "Fmaj7", "G", "Em7", "Am7", "Dm7", "G", "Cmaj7", "Am7",
    "Fmaj7", "G", "Em7", "Am7", "Dm7", "Em7", "Fmaj7", "G",
]

# One list per bar of (pitch, length in eighths); each bar adds up to eight.
MELODY = [
    [(A4, 2), (C5, 2), (E5, 3), (D5, 1)],
    [(D5, 2), (E5, 1), (D5, 1), (G4, 4)],
    [(E5, 2), (G5, 2), (E5, 3), (D5, 1)],
    [(C5, 3), (A4, 5)],
    [(A4, 2), (C5, 2), (D5, 2), (F5, 2)],
    [(E5, 3), (D5, 1), (D5, 2), (G4, 2)],
    [(G5, 3), (E5, 1), (E5, 4)],
    [(REST, 2), (A4, 1), (C5, 1), (E5, 2), (D5, 2)],
    [(A5, 2), (G5, 2), (E5, 3), (D5, 1)],
    [(D5, 2), (E5, 1), (G5, 1), (G5, 4)],
    [(G5, 2), (E5, 2), (D5, 3), (E5, 1)],
    [(C5, 3), (D5, 1), (E5, 4)],
    [(F5, 2), (E5, 2), (D5, 2), (C5, 2)],
    [(D5, 3), (E5, 1), (G5, 4)],
    [(A5, 3), (G5, 1), (E5, 2), (D5, 2)],
    [(D5, 3), (REST, 4), (G4, 1)],
]

ARPEGGIO_STEPS = [0, 1, 2, 3, 2, 1, 2, 3]

# General MIDI programs, counted from 0.
FLUTE, HARP, STRINGS, ACOUSTIC_BASS = 73, 46, 49, 32


def variable_length(value):
    groups = [value & 0x7F]
    value >>= 7
    while value:
        groups.append((value & 0x7F) | 0x80)
        value >>= 7
    return bytes(reversed(groups))


def meta(kind, data):
    return bytes([0xFF, kind]) + variable_length(len(data)) + data


def track_chunk(events, end_tick):
    """events: (tick, order, bytes); note-offs sort before note-ons at a tick."""
    body = bytearray()
    now = 0
    for tick, _, message in sorted(events, key=lambda e: (e[0], e[1])):
        body += variable_length(tick - now) + message
        now = tick
    body += variable_length(end_tick - now) + meta(0x2F, b"")
    return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


class Part:
    def __init__(self, channel, program, volume, pan, reverb, name):
        self.channel = channel
        self.events = [
            (0, 0, meta(0x03, name.encode("ascii"))),
            (0, 1, bytes([0xC0 | channel, program])),
            (0, 1, bytes([0xB0 | channel, 7, volume])),
            (0, 1, bytes([0xB0 | channel, 10, pan])),
            (0, 1, bytes([0xB0 | channel, 91, reverb])),
        ]

    def note(self, start, length, pitch, velocity):
        self.events.append((start, 3, bytes([0x90 | self.channel, pitch, velocity])))
        self.events.append((start + length, 2, bytes([0x80 | self.channel, pitch, 0])))


def compose():
    melody = Part(0, FLUTE, 100, 64, 50, "Melody")
    harp = Part(1, HARP, 84, 44, 60, "Harp")
    pad = Part(2, STRINGS, 58, 84, 70, "Strings")
    bass = Part(3, ACOUSTIC_BASS, 90, 64, 30, "Bass")
    last_bar = len(PROGRESSION) - 1

    for bar, (chord_name, phrase) in enumerate(zip(PROGRESSION, MELODY)):
        root, voicing, tones = CHORDS[chord_name]
        bar_start = bar * BAR
        closing = bar == last_bar

        at = bar_start
        for pitch, eighths in phrase:
            length = eighths * EIGHTH
            if pitch is not REST:
                accent = 8 if (at - bar_start) % (2 * EIGHTH) == 0 else 0
                # A small gap keeps repeated notes distinct, as a breath would.
                melody.note(at, length - 24, pitch, 78 + accent)
            at += length
        assert at == bar_start + BAR, f"bar {bar + 1} of the melody does not fill the bar"

        # The closing bar thins out so the tails have faded before the loop point.
        steps = ARPEGGIO_STEPS[:6] if closing else ARPEGGIO_STEPS
        for step, tone_index in enumerate(steps):
            velocity = 62 if step % 4 == 0 else 50
            harp.note(bar_start + step * EIGHTH, 2 * EIGHTH, tones[tone_index], velocity)

        pad_length = 5 * EIGHTH if closing else BAR - 12
        for pitch in voicing:
            pad.note(bar_start, pad_length, pitch, 52)

        bass.note(bar_start, 3 * EIGHTH - 20, root, 84)
        if not closing:
            bass.note(bar_start + 4 * EIGHTH, 3 * EIGHTH - 20, root + 7, 70)

    end_tick = len(PROGRESSION) * BAR
    tempo = round(60_000_000 / BEATS_PER_MINUTE)
    conductor = [
        (0, 0, meta(0x03, b"M_S1")),
        (0, 1, meta(0x58, bytes([4, 2, 24, 8]))),  # 4/4
        (0, 1, meta(0x59, bytes([0, 0]))),  # C major
        (0, 1, meta(0x51, tempo.to_bytes(3, "big"))),
    ]
    parts = [melody, harp, pad, bass]
    header = b"MThd" + struct.pack(">IHHH", 6, 1, 1 + len(parts), TICKS_PER_QUARTER)
    chunks = [track_chunk(conductor, end_tick)]
    chunks += [track_chunk(part.events, end_tick) for part in parts]
    return header + b"".join(chunks)


# ---------------------------------------------------------------------------
# The click: a short, soft wooden "tock" of about 45 ms. Two low partials
# decay quickly under a gentle attack, so it sounds like a tap, not a beep.

SAMPLE_RATE = 44100
CLICK_SECONDS = 0.045
PARTIALS = [  # (frequency in Hz, amplitude, decay time constant in s)
    (620.0, 0.55, 0.012),
    (1240.0, 0.30, 0.006),
    (2150.0, 0.15, 0.003),
]
PEAK = 0.35
ATTACK_SECONDS = 0.0015


def click_samples():
    count = int(SAMPLE_RATE * CLICK_SECONDS)
    raw = []
    for n in range(count):
        t = n / SAMPLE_RATE
        value = sum(a * math.exp(-t / tau) * math.sin(2 * math.pi * f * t) for f, a, tau in PARTIALS)
        if t < ATTACK_SECONDS:
            value *= 0.5 - 0.5 * math.cos(math.pi * t / ATTACK_SECONDS)
        raw.append(value)
    # Fade the last millisecond to zero so the click ends without a step.
    fade = int(SAMPLE_RATE * 0.001)
    for i in range(fade):
        raw[count - fade + i] *= 1 - (i + 1) / fade
    scale = PEAK / max(abs(v) for v in raw)
    return [round(v * scale * 32767) for v in raw]


def write_click(path):
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(SAMPLE_RATE)
        out.writeframes(struct.pack(f"<{int(SAMPLE_RATE * CLICK_SECONDS)}h", *click_samples()))


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent
    folder.mkdir(parents=True, exist_ok=True)
    (folder / TUNE_NAME).write_bytes(compose())
    write_click(folder / CLICK_NAME)


if __name__ == "__main__":
    main()
