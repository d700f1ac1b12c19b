#!/usr/bin/env python3
"""Writes the splash tune data/Internet.mid: a cheerful piece for piano in C major,
16 bars in 4/4 at 150 beats a minute (about 26 seconds), melody and a simple
left-hand accompaniment, as a Standard MIDI File of format 1.

Usage: genera_musica.py [output file]   (default: data/Internet.mid beside this script's folder)
Only the Python standard library is used; the output is the same byte for byte at every run.
"""

import struct
import sys
from pathlib import Path

TICKS_PER_BEAT = 480
BEATS_PER_MINUTE = 150
BEATS_PER_BAR = 4
PIANO = 0  # General MIDI program 1, acoustic grand piano

# Melody: one list per bar of (MIDI note or None for a rest, length in beats).
MELODY = [
    # first phrase
    [(67, 1), (72, 1), (76, 1), (79, 1)],
    [(81, 2), (79, 1), (77, 1)],
    [(76, 1), (74, 1), (71, 1), (74, 1)],
    [(72, 3), (None, 1)],
    [(76, 0.5), (76, 0.5), (81, 1), (79, 1), (76, 1)],
    [(77, 1), (81, 1), (84, 1), (81, 1)],
    [(79, 1), (77, 0.5), (76, 0.5), (74, 1), (71, 1)],
    [(72, 2), (None, 2)],
    # second phrase
    [(81, 1), (81, 0.5), (79, 0.5), (77, 1), (81, 1)],
    [(79, 1), (76, 1), (72, 1), (76, 1)],
    [(77, 1), (74, 1), (81, 1), (77, 1)],
    [(79, 2), (74, 1), (71, 1)],
    [(76, 0.5), (77, 0.5), (79, 1), (84, 1), (79, 1)],
    [(81, 1), (79, 1), (77, 1), (81, 1)],
    [(79, 1), (77, 1), (74, 1), (71, 1)],
    [(72, 4)],
]

# Harmony, one chord a bar: (bass root, alternate bass, chord notes for the right side of the left hand).
CHORDS = {
    "C": (48, 43, (60, 64, 67)),
    "F": (41, 48, (60, 65, 69)),
    "G": (43, 50, (59, 62, 67)),
    "G7": (43, 50, (59, 65, 67)),
    "Am": (45, 52, (60, 64, 69)),
    "Dm": (50, 45, (62, 65, 69)),
}
HARMONY = ["C", "F", "G", "C", "Am", "F", "G", "C",
           "F", "C", "Dm", "G", "C", "F", "G7", "C"]


def vlq(value):
    """The variable-length quantity of a delta time."""
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append((value & 0x7F) | 0x80)
        value >>= 7
    return bytes(reversed(out))


def ticks(beats):
    return round(beats * TICKS_PER_BEAT)


def melody_notes():
    """(start tick, end tick, note, velocity) of the melody, slightly detached."""
    notes, start = [], 0
    for bar in MELODY:
        assert sum(length for _, length in bar) == BEATS_PER_BAR
        for note, length in bar:
            if note is not None:
                notes.append((ticks(start), ticks(start + length * 0.9), note, 96))
            start += length
    return notes


def accompaniment_notes():
    """Bass on beats 1 and 3, chord on beats 2 and 4; the last bar holds bass and chord."""
    notes = []
    for bar, name in enumerate(HARMONY):
        root, alternate, chord = CHORDS[name]
        first = bar * BEATS_PER_BAR
        if bar == len(HARMONY) - 1:
            for note in (root, *chord):
                notes.append((ticks(first), ticks(first + 4), note, 64))
            continue
        for beat, bass in ((0, root), (2, alternate)):
            notes.append((ticks(first + beat), ticks(first + beat + 0.9), bass, 70))
            for note in chord:
                notes.append((ticks(first + beat + 1), ticks(first + beat + 1.7), note, 54))
    return notes


def meta(kind, data):
    return bytes([0xFF, kind]) + vlq(len(data)) + data


def track_chunk(events):
    """events: (tick, order, bytes); order puts note-offs before note-ons on the same tick."""
    body, now = b"", 0
    for tick, _, data in sorted(events, key=lambda e: (e[0], e[1])):
        body += vlq(tick - now) + data
        now = tick
    body += vlq(0) + meta(0x2F, b"")
    return b"MTrk" + struct.pack(">I", len(body)) + body


def conductor_track():
    tempo = 60_000_000 // BEATS_PER_MINUTE
    return track_chunk([
        (0, 0, meta(0x03, b"Velmor")),
        (0, 1, meta(0x58, bytes([4, 2, 24, 8]))),  # 4/4
        (0, 2, meta(0x59, bytes([0, 0]))),  # C major
        (0, 3, meta(0x51, tempo.to_bytes(3, "big"))),
    ])


def instrument_track(name, channel, notes):
    events = [
        (0, 0, meta(0x03, name.encode("ascii"))),
        (0, 1, bytes([0xC0 | channel, PIANO])),
    ]
    for start, end, note, velocity in notes:
        events.append((start, 3, bytes([0x90 | channel, note, velocity])))
        events.append((end, 2, bytes([0x80 | channel, note, 0])))
    return track_chunk(events)


def tune():
    tracks = [
        conductor_track(),
        instrument_track("Melodia", 0, melody_notes()),
        instrument_track("Accompagnamento", 1, accompaniment_notes()),
    ]
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TICKS_PER_BEAT)
    return header + b"".join(tracks)


def check(data):
    """Reads the file back chunk by chunk; returns the length of the tune in seconds."""
    kind, size, fmt, count, division = struct.unpack(">4sIHHH", data[:14])
    assert kind == b"MThd" and size == 6 and fmt == 1 and count >= 2 and division == TICKS_PER_BEAT
    position, last_tick = 14, 0
    for _ in range(count):
        kind, size = struct.unpack(">4sI", data[position:position + 8])
        assert kind == b"MTrk"
        body = data[position + 8:position + 8 + size]
        assert len(body) == size and body.endswith(b"\xff\x2f\x00")
        tick, i = 0, 0
        while i < len(body):
            delta = 0
            while True:
                byte = body[i]
                i += 1
                delta = (delta << 7) | (byte & 0x7F)
                if byte < 0x80:
                    break
            tick += delta
            status = body[i]
            if status == 0xFF:
                length = body[i + 2]
                i += 3 + length
            elif status & 0xF0 == 0xC0:
                i += 2
            else:
                assert status & 0xF0 in (0x80, 0x90)
                i += 3
        assert i == len(body)
        last_tick = max(last_tick, tick)
        position += 8 + size
    assert position == len(data)
    return last_tick / TICKS_PER_BEAT * 60 / BEATS_PER_MINUTE


def main():
    default = Path(__file__).resolve().parent.parent / "data" / "Internet.mid"
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else default
    data = tune()
    seconds = check(data)
    target.write_bytes(data)
    print(f"{target}: {len(data)} byte, {seconds:.1f} secondi")


if __name__ == "__main__":
    main()
