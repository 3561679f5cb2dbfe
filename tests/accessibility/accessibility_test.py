"""Reads the running game through AT-SPI, as a screen reader does, and plays it by keyboard.

usage (inside dbus-run-session): accessibility_test.py PROBE DEALER

The expected texts come from the dealer's puzzles for the same seed, read by the rules in
expected_speech.py.
"""

import json
import subprocess
import sys
import time

from a11y_session import Desktop, Game, press, settings_file
from expected_speech import entry_reading, expected_reading, full_notice, utterance

SEED = 66  # its first four puzzles are one of each kind, three with two hidden digits
PUZZLES = 5  # four are answered; the fifth is the one dealt after them
COUNTDOWN = 20  # seconds per puzzle in the multiple-choice round, spoken only at 10 and 5

KEYSYM_RETURN, KEYSYM_BACKSPACE, KEYSYM_DOWN, KEYSYM_F2 = 0xFF0D, 0xFF08, 0xFF54, 0xFFBF
KEYSYM_TAB = 0xFF09
TIME_BOX = "Time limit in seconds"
INFO = "Gapwise 1.0. internet site:  www.ardentree.eu. e-mail:  info@ardentree.eu."
KEYS = "F2 reads the puzzle again, F3 the score and the time left."
FIRST_NOTICE_SECONDS = 4  # the first puzzle is spoken this soon after start-up, with no key




def deal(dealer, multiple_choice):
    args = [dealer, "--seed", str(SEED), "--count", str(PUZZLES)]
    out = subprocess.run(args + (["--multiple-choice"] if multiple_choice else []),
                         check=True, capture_output=True, text=True).stdout
    return [json.loads(line) for line in out.splitlines()]


def check_puzzle(game, puzzle):
    text, gap = expected_reading(puzzle)
    game.wait(f"the reading {text!r}", lambda: game.puzzle().name == text)
    puzzle_object = game.puzzle()
    assert puzzle_object.getRoleName() == "label", puzzle_object.getRoleName()
    assert puzzle_object.childCount == 0
    assert puzzle_object.description == f"{gap}. {KEYS}", (puzzle_object.description, gap)
    caption = "question mark question mark is" if len(puzzle["mask"]) == 2 else "question mark is"
    game.wait(f"the choice list {caption!r}", lambda: game.one("panel", caption))


def type_answer(game, answer, wrong):
    """Types the answer (or a wrong one), with one digit taken back by Backspace first."""
    typed = answer if not wrong else str((int(answer[0]) + 1) % 10) + answer[1:]
    game.events.clear()
    game.key(ord("9"))
    game.wait("the answer box to show 9", lambda: game.answer_text() == "9")
    game.key(KEYSYM_BACKSPACE)
    game.wait("the answer box to be empty", lambda: game.answer_text() == "")
    for i, digit in enumerate(typed):
        game.key(ord(digit))
        game.wait(f"the answer box to show {typed[:i + 1]}",
                  lambda: game.answer_text() == typed[:i + 1])
    kinds = [(e.type, e.any_data) for e in game.events if e.source.name == "Answer"]
    assert kinds[:2] == [("object:text-changed:insert", "9"),
                         ("object:text-changed:delete", "9")], kinds
    assert [d for t, d in kinds[2:]] == list(typed), kinds
    return typed


def close_message(game, text):
    def message():
        for dialog in game.showing("dialog") + game.showing("alert"):
            labels = game.showing("label", None, dialog)
            if any(label.name == text for label in labels):
                return dialog
        return None

    game.wait(f"the message {text!r}", message)
    game.key(KEYSYM_RETURN)
    game.wait("the message to close", lambda: message() is None)


def counters(game):
    names = [label.name for label in game.showing("label")]
    return [n for n in names if n.split(":")[0] in ("Right", "Wrong", "Total")]


def play_typed(desktop, pyatspi, probe, dealer):
    """Four puzzles: right, wrong by a typed digit, wrong by Enter on the empty box, right; each
    outcome is spoken before the next puzzle; a digit too many is answered with a notice, and F2
    reads the puzzle again with what was typed."""
    puzzles = deal(dealer, False)
    game = Game(pyatspi, lambda: desktop.start_game(probe, SEED, settings_file(False, 999)))
    first = game.wait_notice(utterance(puzzles[0]))
    assert first <= FIRST_NOTICE_SECONDS, f"the first puzzle was spoken after {first:.1f} s"
    print(f"first puzzle spoken {first:.1f} s after start-up, no key pressed", flush=True)
    assert game.one("label", "Time left: 999") or game.wait(
        "the time left", lambda: any(n.startswith("Time left: ") for n in
                                     (label.name for label in game.showing("label"))))
    right = wrong = 0
    for number, puzzle in enumerate(puzzles[:4]):
        check_puzzle(game, puzzle)
        if number != 2:
            typed = type_answer(game, puzzle["answer"], number == 1)
        if number == 1:
            game.notices.clear()
            game.key(ord("5"))
            game.wait_notice(full_notice(puzzle))
            assert game.answer_text() == typed, game.answer_text()
            game.key(KEYSYM_F2)
            game.wait_notice(f"{utterance(puzzle)} {entry_reading(puzzle, typed)}")
            print(f"a digit too many: {full_notice(puzzle)!r}; F2 says what was typed", flush=True)
        game.key(KEYSYM_RETURN)
        if number in (1, 2):
            close_message(game, "The answer is " + puzzle["answer"])
            wrong += 1
        else:
            right += 1
        game.wait_notice(utterance(puzzles[number + 1], "Wrong. " if number in (1, 2) else "Right. "))
        want = [f"Right: {right}", f"Wrong: {wrong}", f"Total: {right + wrong}"]
        game.wait(f"the counters {want}", lambda: counters(game) == want)
        print(f"puzzle {number}: {puzzle['cells']} read, answered and its outcome spoken",
              flush=True)
    assert game.exit() == 0


def play_choices(desktop, pyatspi, probe, dealer):
    """A wrong choice after Down, Down: after its message the focus is on the checked choice of
    the next puzzle, so that what is heard is what Enter scores; the countdown speaks only at 10
    and 5 seconds."""
    puzzles = deal(dealer, True)
    game = Game(pyatspi, lambda: desktop.start_game(probe, SEED, settings_file(True, COUNTDOWN)))
    check_puzzle(game, puzzles[0])

    def radios():
        return [(r.name, r.getState().contains(pyatspi.STATE_CHECKED))
                for r in game.showing("radio button")]

    def focused():
        found = [r.name for r in game.showing("radio button")
                 if r.getState().contains(pyatspi.STATE_FOCUSED)]
        return found[0] if len(found) == 1 else None

    choices = puzzles[0]["choices"]
    game.wait(f"the choices {choices}", lambda: radios() == [(v, i == 0) for i, v in enumerate(choices)])
    assert game.one("text", "Answer") is None
    pick = next(i for i in (2, 1) if choices[i] != puzzles[0]["answer"])
    for i in range(pick):
        game.key(KEYSYM_DOWN)
    game.wait(f"choice {pick} checked", lambda: radios()[pick] == (choices[pick], True))
    game.key(KEYSYM_RETURN)
    close_message(game, "The answer is " + puzzles[0]["answer"])
    following = puzzles[1]["choices"]
    game.wait_notice(utterance(puzzles[1], "Wrong. ", following[0]))
    game.wait(f"the choices {following}",
              lambda: radios() == [(v, i == 0) for i, v in enumerate(following)])
    game.wait("the focus on the checked choice", lambda: focused() == following[0])
    print(f"after the message the focus is on the checked choice {following[0]!r}", flush=True)
    game.key(KEYSYM_DOWN)
    game.wait("the focus following the selection", lambda: focused() == following[1])
    game.key(KEYSYM_F2)
    game.wait_notice(f"{utterance(puzzles[1])} Your choice: {following[1]}.")
    options_then_info(game, focused)
    game.wait("4 seconds left", lambda: game.one("label", "Time left: 4"))
    spoken = [notice for notice in game.spoken() if notice.endswith("seconds left")]
    assert spoken == ["10 seconds left", "5 seconds left"], game.notices
    assert game.exit() == 0


def options_then_info(game, focused):
    """OK in Options deals anew with the focus on the selected choice, not on Check; Info is read
    once, by its description, with no announcement besides."""
    press(game, "push button", "Options")
    game.wait("the Options dialog", lambda: game.one("dialog", "Options"))
    time_limit_box(game)
    press(game, "push button", "OK")
    game.wait("the Options dialog to close", lambda: game.one("dialog", "Options") is None)
    checked = game.wait("a new list", lambda: [r.name for r in game.showing("radio button")
                                                if r.getState().contains(game.pyatspi.STATE_CHECKED)])
    game.wait("the focus on the selected choice after Options", lambda: focused() == checked[0])
    print(f"after Options the focus is on the selected choice {checked[0]!r}", flush=True)
    game.notices.clear()
    press(game, "push button", "Info")
    dialog = game.wait("the Info dialog", lambda: game.one("dialog", "Info"))
    assert dialog.description == INFO, dialog.description
    # its lines are paragraphs, not labels that a reader would read besides the description
    assert not game.showing("label", None, dialog) and game.showing("paragraph", None, dialog)
    game.wait("OK focused in Info", lambda: game.one("push button", "OK").getState().contains(
        game.pyatspi.STATE_FOCUSED))
    time.sleep(1)
    game.pump()
    assert not [n for n in game.spoken() if "ardentree" in n], game.notices
    press(game, "push button", "OK")
    game.wait("the Info dialog to close", lambda: game.one("dialog", "Info") is None)
    print("Info: its description read once, nothing announced besides", flush=True)


def time_limit_box(game):
    """Tab into the time-limit box: its focus is reported before its text is selected, the whole
    text is one run of attributes, and Tab out of it reports no change of selection."""
    events = []

    def listen(event):
        if event.type == "focus:" or event.source.name == TIME_BOX:
            events.append((event.type, event.source.name))

    for kind in ("focus:", "object:text-selection-changed"):
        game.pyatspi.Registry.registerEventListener(listen, kind)
    box = game.wait("the time-limit box", lambda: game.one("text", TIME_BOX))
    text = box.queryText()
    for _ in range(5):  # from the first check box
        game.key(KEYSYM_TAB)
    game.wait("the time-limit box selected", lambda: text.getNSelections() == 1)
    whole = (0, text.characterCount)
    assert text.getSelection(0) == whole == tuple(text.getAttributes(0)[1:]), whole
    game.key(KEYSYM_TAB)
    game.wait("the focus on OK", lambda: ("focus:", "OK") in events)
    game.pyatspi.Registry.deregisterEventListener(listen, "focus:", "object:text-selection-changed")
    assert events[-3:] == [("focus:", TIME_BOX), ("object:text-selection-changed", TIME_BOX),
                           ("focus:", "OK")], events
    print(f"the time-limit box: focus, then its text {text.getText(0, -1)!r} selected", flush=True)


def main():
    probe, dealer = sys.argv[1], sys.argv[2]
    desktop = Desktop()
    try:
        import pyatspi
        play_typed(desktop, pyatspi, probe, dealer)
        play_choices(desktop, pyatspi, probe, dealer)
    finally:
        desktop.close()
    print("accessibility: all checks passed")


if __name__ == "__main__":
    started = time.monotonic()
    main()
    print(f"took {time.monotonic() - started:.1f} s")
