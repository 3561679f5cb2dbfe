"""What the game is expected to say of a dealt puzzle, written here once more on purpose: the
accessibility test does not trust the game's own reading."""

READING_ORDER = [
    [("", 0), (" plus ", 1), (" equals ", 2)],
    [("", 0), (" minus ", 1), (" equals ", 2)],
    [("", 0), (" times ", 1), (", partial products ", 2), (", one place left ", 3),
     (", product ", 4)],
    [("", 2), (" divided by ", 0), (" is ", 1), (", partial products ", 3), (", leaves ", 4),
     (", then ", 5), (", remainder ", 6)],
]
PLACES = ["ones", "tens", "hundreds", "thousands", "ten thousands", "hundred thousands"]
CELL_NAMES = [
    ["first number", "second number", "sum"],
    ["first number", "second number", "difference"],
    ["first number", "second number", "first partial product", "second partial product",
     "product"],
    ["divisor", "quotient", "dividend", "first partial product", "intermediate dividend",
     "second partial product", "remainder"],
]
COUNT = {1: "one", 2: "two"}


def spoken(text):
    return " ".join(text.replace("?", " question mark ").replace(":", " ").split())


def read_cell(puzzle, i):
    """The hidden number and those of three digits or more character by character ("8 question
    mark 5 3"), the others whole."""
    cell = puzzle["cells"][i]
    if i != puzzle["masked"] and len(cell) < 3:
        return cell
    return " ".join("question mark" if c == "?" else c for c in cell)


def expected_reading(puzzle):
    text = "".join(words + read_cell(puzzle, i) for words, i in READING_ORDER[puzzle["kind"]])
    count = "two digits are" if len(puzzle["mask"]) == 2 else "one digit is"
    cell = puzzle["cells"][puzzle["masked"]]
    places = " and ".join("the " + PLACES[len(cell) - 1 - i] for i, c in enumerate(cell) if c == "?")
    gap = f"{count} missing in the {CELL_NAMES[puzzle['kind']][puzzle['masked']]}, {places}"
    return text, gap


def utterance(puzzle, outcome="", choice=None):
    """What is spoken of a puzzle: the outcome of the last answer, where the gap is, the sum,
    and with multiple choice the selected one."""
    text, gap = expected_reading(puzzle)
    chosen = f" Your choice: {choice}." if choice is not None else ""
    return f"{outcome}{gap[0].upper()}{gap[1:]}: {text}.{chosen}"


def entry_reading(puzzle, entry):
    digits = len(puzzle["answer"])
    unit = "digit" if len(entry) == 1 else "digits"
    return f"Your answer: {entry}, {COUNT[len(entry)]} {unit} of {COUNT[digits]}."


def full_notice(puzzle):
    digits = len(puzzle["answer"])
    return f"The answer has {COUNT[digits]} digit{'s' if digits == 2 else ''}."
