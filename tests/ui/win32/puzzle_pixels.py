#!/usr/bin/env python3
"""Checks a screenshot of the running game's puzzle area.

    puzzle_pixels.py SCREEN.ppm WINDOW.txt CONTROLS.txt

WINDOW.txt and CONTROLS.txt are what `gapwise-probe window` and `gapwise-probe controls` print;
SCREEN.ppm is the whole X screen (binary PPM). The puzzle area is one window with none inside it
(it draws its cells, sign, rules and mask itself); the red mask covers one or two columns of one
line of digits and nothing black shows through it; a black rule line is drawn. Where each cell and
the mask stand, to the pixel, is checked against the Linux window by the screenshot test.
Prints what it checked; exit status 1 on any difference."""
import sys

PUZZLE = (0, 0, 169, 209)  # the puzzle area in the client area
CHAR = 11


def read_ppm(path):
    with open(path, 'rb') as f:
        data = f.read()
    fields = []
    i = 0
    while len(fields) < 4:
        while data[i:i + 1].isspace():
            i += 1
        if data[i:i + 1] == b'#':
            while data[i:i + 1] != b'\n':
                i += 1
            continue
        j = i
        while not data[j:j + 1].isspace():
            j += 1
        fields.append(data[i:j])
        i = j
    assert fields[0] == b'P6' and fields[3] == b'255', 'a binary PPM of 8-bit channels'
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[i + 1:]


class Screen:
    def __init__(self, path, origin):
        self.width, self.height, self.pixels = read_ppm(path)
        self.ox, self.oy = origin

    def rgb(self, x, y):  # in client coordinates
        i = 3 * ((self.oy + y) * self.width + self.ox + x)
        return self.pixels[i], self.pixels[i + 1], self.pixels[i + 2]


def is_red(p):
    return p[0] >= 180 and p[1] <= 110 and p[2] <= 110


def is_dark(p):
    return max(p) < 110


def bbox(screen, box, test):
    left, top, width, height = box
    xs, ys = [], []
    for y in range(top, top + height):
        for x in range(left, left + width):
            if test(screen.rgb(x, y)):
                xs.append(x)
                ys.append(y)
    if not xs:
        return None
    return min(xs), min(ys), max(xs) + 1, max(ys) + 1


def read_window(path):
    values = {}
    for line in open(path):
        key, *rest = line.split()
        values[key] = [int(v) for v in rest if v.lstrip('-').isdigit()]
    return values


def read_controls(path):
    controls = []
    for line in open(path, encoding='utf-8'):
        line = line.rstrip('\n')
        head, _, text = line.partition('\t')
        hwnd, parent, cls, left, top, width, height = head.split()
        controls.append({'hwnd': int(hwnd), 'parent': int(parent), 'class': cls,
                         'box': (int(left), int(top), int(width), int(height)), 'text': text})
    return controls


failures = []


def longest_run(screen, y):  # the longest run of dark pixels on line y of the puzzle area
    longest = run = 0
    for x in range(PUZZLE[2]):
        run = run + 1 if is_dark(screen.rgb(x, y)) else 0
        longest = max(longest, run)
    return longest


def check(ok, what):
    print(('ok: ' if ok else 'FAILED: ') + what)
    if not ok:
        failures.append(what)


def main(screen_path, window_path, controls_path):
    window = read_window(window_path)
    controls = read_controls(controls_path)
    screen = Screen(screen_path, window['origin'])
    top = window['window'][0]

    # The puzzle area is one window, read as one text, that draws its cells, sign, rules and
    # mask itself: no window of its own stands inside it.
    panels = [c for c in controls if c['class'] == 'GapwiseControl' and c['box'] == PUZZLE and
              c['parent'] == top]
    check(len(panels) == 1, 'the puzzle area is one window')
    if not panels:
        return
    inside = [c for c in controls if c['parent'] == panels[0]['hwnd']]
    check(not inside, 'the puzzle area holds no window (%d)' % len(inside))

    red = bbox(screen, PUZZLE, is_red)
    check(red is not None, 'red pixels in the puzzle area')
    if red is None:
        return
    width, height = red[2] - red[0], red[3] - red[1]
    check(CHAR - 4 <= width <= 2 * CHAR + 2 and 10 <= height <= 23,
          'the red mask %s covers one or two columns of one line' % (red,))
    check(bbox(screen, (red[0], red[1], width, height), is_dark) is None,
          'nothing black shows through the mask')
    ink = bbox(screen, PUZZLE, is_dark)
    check(ink is not None and ink[1] < red[3] and red[1] < ink[3] + 1,
          'digits drawn, the mask on a line of them')
    check(any(longest_run(screen, y) >= 3 * CHAR for y in range(PUZZLE[3])),
          'a black rule line under the numbers')


if __name__ == '__main__':
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
    sys.exit(1 if failures else 0)
