"""How long each kind of puzzle takes to hear: the dealer's puzzles read by the rules of
tests/accessibility/expected_speech.py (which the accessibility test holds the game to), spoken
by espeak-ng at its default rate into WAV files, and timed from their sizes.

usage: python3 tools/reading_lengths.py DEALER [COUNT] [SEED]
prints per kind the mean and the longest reading in seconds, over COUNT puzzles (12).
"""

import json
import os
import subprocess
import sys
import tempfile
import wave

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "accessibility"))
from expected_speech import utterance  # noqa: E402

KINDS = ["addition", "subtraction", "multiplication", "division"]


def seconds_spoken(text, folder):
    path = os.path.join(folder, "reading.wav")
    subprocess.run(["espeak-ng", "-w", path, text], check=True)
    with wave.open(path) as sound:
        return sound.getnframes() / sound.getframerate()


def main():
    dealer = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 12
    seed = sys.argv[3] if len(sys.argv) > 3 else "1"
    with tempfile.TemporaryDirectory() as folder:
        for kind, name in enumerate(KINDS):
            out = subprocess.run([dealer, "--seed", seed, "--count", str(count), "--kinds",
                                  str(kind)], check=True, capture_output=True, text=True).stdout
            lengths = [seconds_spoken(utterance(json.loads(line)), folder)
                       for line in out.splitlines()]
            print(f"{name}: mean {sum(lengths) / len(lengths):.1f} s, "
                  f"max {max(lengths):.1f} s, {len(lengths)} puzzles")


if __name__ == "__main__":
    main()
