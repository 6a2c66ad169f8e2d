#!/usr/bin/env python3
"""Makes Quorel's four short sounds (16-bit mono PCM WAV, 22050 Hz) into resources/sounds.

The sounds are soft bell-like tones with a gentle attack and a decaying tail, so that
they never click and never tire the ear when a scan of 80 steps plays one per step:

  S99_19e.wav  a scan step captured          bright rising fifth (A5 -> E6)
  S99_60e.wav  no capture, run-time warning  mellow falling fourth (D5 -> A4)
  S99_66e.wav  Calculation refused           two short low knocks (F4, F4)
  S99_42e.wav  the program ends              falling arpeggio (C6 G5 E5 C5)

The output is deterministic: running the script again gives the same bytes.
Usage: python3 scripts/make_sounds.py [output directory]
"""

import math
import os
import struct
import sys
import wave

RATE = 22050
PEAK = 0.45  # of full scale: pleasant, never loud


def bell(freq, start, length, level, partials=((1, 1.0), (2, 0.28), (3, 0.08)), decay=9.0):
    """A note as (start sample, samples): a sine with a few partials and an exponential tail."""
    n = int(length * RATE)
    attack = int(0.006 * RATE)
    samples = []
    for i in range(n):
        t = i / RATE
        envelope = math.exp(-decay * t)
        if i < attack:
            envelope *= i / attack
        value = 0.0
        for multiple, weight in partials:
            # higher partials fade faster, as in a struck bar
            value += weight * math.exp(-decay * (multiple - 1) * 0.6 * t) * math.sin(2 * math.pi * freq * multiple * t)
        samples.append(level * envelope * value)
    return int(start * RATE), samples


def mix(notes, total):
    out = [0.0] * int(total * RATE)
    for start, samples in notes:
        for i, v in enumerate(samples):
            if start + i < len(out):
                out[start + i] += v
    # fade out over the last 15 ms so the file ends in silence
    fade = int(0.015 * RATE)
    for i in range(fade):
        out[len(out) - 1 - i] *= i / fade
    peak = max(abs(v) for v in out) or 1.0
    return [v * PEAK / peak for v in out]


def write(path, samples):
    with wave.open(path, "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(b"".join(struct.pack("<h", int(round(v * 32767))) for v in samples))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "sounds")
    os.makedirs(out_dir, exist_ok=True)
    knock = ((1, 1.0), (3, 0.18), (5, 0.05))
    sounds = {
        "S99_19e.wav": mix([bell(880.0, 0.0, 0.30, 0.8, decay=14.0),
                            bell(1318.5, 0.07, 0.26, 1.0, decay=12.0)], 0.33),
        "S99_60e.wav": mix([bell(587.3, 0.0, 0.30, 0.9, decay=12.0),
                            bell(440.0, 0.09, 0.30, 1.0, decay=11.0)], 0.40),
        "S99_66e.wav": mix([bell(349.2, 0.0, 0.12, 1.0, knock, decay=30.0),
                            bell(349.2, 0.14, 0.14, 1.0, knock, decay=26.0)], 0.30),
        "S99_42e.wav": mix([bell(1046.5, 0.00, 0.40, 0.7, decay=8.0),
                            bell(784.0, 0.12, 0.40, 0.8, decay=8.0),
                            bell(659.3, 0.24, 0.40, 0.9, decay=8.0),
                            bell(523.3, 0.36, 0.45, 1.0, decay=7.0)], 0.80),
    }
    for name, samples in sounds.items():
        write(os.path.join(out_dir, name), samples)
        print(f"{name}: {len(samples) / RATE:.2f} s")


if __name__ == "__main__":
    main()
