"""Plays the game by keyboard under the Orca screen reader and prints what Orca speaks.

usage: dbus-run-session -- python3 tools/orca_listen.py BUILD_DIR SCENARIO [SEED]
SCENARIO: choices, typed, info or timelimit (see SCENARIOS below).

A private desktop (Xvfb, the AT-SPI bus, openbox; tests/accessibility/a11y_session.py), with
Orca 43 and speech-dispatcher in a private HOME: Orca's default settings and key echo, speech by
speech-dispatcher's espeak-ng module into ALSA's null device. What Orca hands to speech is read
from its debug file (the "SPEECH OUTPUT" lines, and any "bad content" it refused), key by key;
ORCA_DEBUG_COPY=FILE keeps the whole debug file. The keys are sent with xdotool to the focused
window. Needs the orca, speech-dispatcher and xdotool packages.
"""

import datetime
import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "accessibility"))
from a11y_session import Desktop, settings_file  # noqa: E402

# The game starts in typed mode with a time limit of 999 s. Each step: keys for xdotool (one
# press each, with a pause), or a number of seconds to wait.
SCENARIOS = {
    # Options by Tab and Space, multiple choice ticked, OK (Shift+Tab back to it, Enter); then the
    # choices by Up, Down and Enter only.
    "choices": [6, "Tab", 2, "space", 3] + ["Tab"] * 9 + ["space"] + ["shift+Tab"] * 3
    + ["Return", 5, "Down", "Down", "Up", "Return", 5, "Return", 5, "Down", "Return", 5, "Return",
       5, "Return", 5],
    # A one-digit puzzle: 3, then 5 (a digit too many), F2, Enter.
    "typed": [6, "3", 2, "5", 3, "F2", 12, "Return", 4, "Return", 5],
    # Info by Tab and Space, then closed by Enter.
    "info": [6, "Tab", "Tab", 2, "space", 4, "Return", 4],
    # Options, Tab to the time-limit box and out, back, emptied, out and in again by Tab.
    "timelimit": [6, "Tab", 2, "space", 3] + ["Tab"] * 5 + [3, "Tab", 3, "shift+Tab", 3,
                  "BackSpace", 2, "shift+Tab", 3, "Tab", 3, "Tab", 3],
}
SPEECH = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - (SPEECH OUTPUT: .*|SPEECH: bad content.*)$")

SPEECHD_CONF = """AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
AudioOutputMethod "alsa"
LogLevel 3
"""
ASOUNDRC = "pcm.!default { type null }\n"  # the sound goes nowhere


def private_home(folder):
    """A HOME with speech-dispatcher's dummy module; Orca's settings in their own folder."""
    env = dict(os.environ)
    for name, sub in (("HOME", "home"), ("XDG_CONFIG_HOME", "home/.config"),
                      ("XDG_DATA_HOME", "home/.local/share"), ("XDG_RUNTIME_DIR", "run"),
                      ("XDG_CACHE_HOME", "home/.cache")):
        env[name] = os.path.join(folder, sub)
        os.makedirs(env[name], mode=0o700, exist_ok=True)
    speechd = os.path.join(env["XDG_CONFIG_HOME"], "speech-dispatcher")
    os.makedirs(speechd, exist_ok=True)
    with open(os.path.join(speechd, "speechd.conf"), "w", encoding="ascii") as out:
        out.write(SPEECHD_CONF)
    with open(os.path.join(env["HOME"], ".asoundrc"), "w", encoding="ascii") as out:
        out.write(ASOUNDRC)
    return env


def orca_launcher(folder):
    """Orca's launcher under a name of its own, so that it neither meets nor replaces an Orca
    that another session of this user runs, writing its debug file line by line."""
    path = os.path.join(folder, "orca-private")
    with open("/usr/bin/orca", encoding="utf-8") as source:
        text = source.read()
    text = text.replace("setProcessName('orca')", "setProcessName('orca-private')")
    text = text.replace("    if otherOrcas():", "    if False:")
    # The debug file line by line, so that it is whole while Orca runs.
    text = text.replace("open(args.debug_file, 'w')", "open(args.debug_file, 'w', buffering=1)")
    with open(path, "w", encoding="utf-8") as out:
        out.write(text)
    return path


def speech_lines(log_path):
    with open(log_path, encoding="utf-8", errors="replace") as log:
        return [m.groups() for m in map(SPEECH.match, log) if m]


def wait_for_orca(log_path, seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if os.path.exists(log_path):
            with open(log_path, encoding="utf-8", errors="replace") as log:
                if "Screen reader on." in log.read():
                    return
        time.sleep(0.5)
    raise TimeoutError("Orca did not start")


def play(desktop, build, scenario, seed):
    steps = SCENARIOS[scenario]
    folder = desktop.folder.name
    env = private_home(folder)
    log_path = os.path.join(folder, "orca-debug.txt")
    desktop._start(["/usr/bin/python3", orca_launcher(folder), "--debug", "--debug-file", log_path,
                    "-u", os.path.join(folder, "orca-prefs")], env=env,
                   stdout=open(os.path.join(folder, "orca-out.txt"), "w"), stderr=subprocess.STDOUT)
    try:
        wait_for_orca(log_path)
    except TimeoutError:
        with open(os.path.join(folder, "orca-out.txt"), encoding="utf-8") as out:
            sys.stderr.write(out.read())
        raise
    probe = os.path.join(build, "tests", "accessibility", "gapwise-a11y-probe")
    desktop.start_game(probe, seed, settings_file(False, 999))
    marks = [("start", datetime.datetime.now().strftime("%H:%M:%S.%f"))]
    for step in steps:
        if isinstance(step, (int, float)):
            time.sleep(step)
            continue
        marks.append((step, datetime.datetime.now().strftime("%H:%M:%S.%f")))
        subprocess.run(["xdotool", "key", step], check=True)
        time.sleep(0.6)
    time.sleep(2)
    return marks, speech_lines(log_path), log_path


def report(marks, lines):
    """Each key and what was spoken after it, before the next key."""
    bounds = [at for _, at in marks[1:]] + ["99"]
    i = 0
    for (key, _), end in zip(marks, bounds):
        print(f"[{key}]")
        while i < len(lines) and lines[i][0] < end:
            print(f"  {lines[i][0][3:11]} {lines[i][1]}")
            i += 1


def main():
    build, scenario = sys.argv[1], sys.argv[2]
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 2  # its first puzzle has one hidden digit
    for tool in ("xdotool", "/usr/bin/orca", "speech-dispatcher"):
        if shutil.which(tool) is None:
            raise SystemExit(f"{tool} is missing: apt-get install orca speech-dispatcher xdotool")
    desktop = Desktop()
    try:
        marks, lines, log_path = play(desktop, build, scenario, seed)
        report(marks, lines)
        if os.environ.get("ORCA_DEBUG_COPY"):
            shutil.copy(log_path, os.environ["ORCA_DEBUG_COPY"])
    finally:
        desktop.close()


if __name__ == "__main__":
    main()
