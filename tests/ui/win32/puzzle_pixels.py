#!/usr/bin/env python3
"""Checks a screenshot of the running game against the places of its puzzle's labels.

    puzzle_pixels.py SCREEN.ppm WINDOW.txt CONTROLS.txt

WINDOW.txt and CONTROLS.txt are what `gapwise-probe window` and `gapwise-probe controls` print;
SCREEN.ppm is the whole X screen (binary PPM). In the innermost shown panel of the puzzle area:
  - the red mask is drawn, and only within the mask label's box; nothing black shows through it;
  - each cell's digits are drawn within its label's box, as wide as its characters' columns
    (11 pixels each, the mask standing for the hidden ones), against its left edge or its right
    edge (less the blank that a three-digit column appends);
  - the operator sign is drawn within its box, and the rule lines are black.
Prints what it checked; exit status 1 on the first difference."""
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


def check(ok, what):
    print(('ok: ' if ok else 'FAILED: ') + what)
    if not ok:
        failures.append(what)


def main(screen_path, window_path, controls_path):
    window = read_window(window_path)
    controls = read_controls(controls_path)
    screen = Screen(screen_path, window['origin'])
    top = window['window'][0]

    # The puzzle panels lie one inside the other, each as large as the puzzle area.
    panels = [c for c in controls if c['class'] == 'GapwiseControl' and c['box'] == PUZZLE]
    chain, parent = [], top
    while True:
        inner = [p for p in panels if p['parent'] == parent]
        if not inner:
            break
        chain.append(inner[0])
        parent = inner[0]['hwnd']
    check(chain, 'the puzzle area has its panels')
    if not chain:
        return
    panel = chain[-1]['hwnd']
    labels = [c for c in controls if c['parent'] == panel and c['class'] == 'GapwiseControl']
    masks = [c for c in labels if c['text'] and set(c['text']) == {'?'} and c['box'][3] == 23]
    cells = [c for c in labels
             if c['box'][3] == 25 and any(ch.isdigit() or ch == '?' for ch in c['text'])]
    signs = [c for c in labels if c['text'] in ('+', '-', 'x')]
    rules = [c for c in labels if not c['text'] and min(c['box'][2], c['box'][3]) == 2]
    print('puzzle (%d panels deep): %s, mask %r' %
          (len(chain), ' | '.join(c['text'] for c in cells), masks[0]['text'] if masks else None))
    check(len(masks) == 1, 'one mask label in the shown panel')
    check(len(cells) in (3, 5, 7), 'the cells of one kind of puzzle')
    if len(masks) != 1:
        return
    mask = masks[0]
    mleft, mtop, mwidth, mheight = mask['box']

    red = bbox(screen, PUZZLE, is_red)
    check(red is not None, 'red pixels in the puzzle area')
    if red:
        inside = (mleft <= red[0] and red[2] <= mleft + mwidth and
                  mtop <= red[1] and red[3] <= mtop + mheight)
        check(inside, 'the red %s lies within the mask label %s' % (red, mask['box']))
    check(bbox(screen, mask['box'], is_dark) is None, 'nothing black shows through the mask')

    masked = [c for c in cells if c['box'][1] == mtop and '?' in c['text'] and
              c['box'][0] <= mleft < c['box'][0] + c['box'][2]]
    check(len(masked) == 1, 'the mask stands on the line of a cell with "?"')
    for cell in cells:
        left, ctop, width, height = cell['box']
        text = cell['text']
        ink = bbox(screen, cell['box'], is_dark)
        if cell in masked:
            spans = [ink] if ink else []
            spans.append((mleft, mtop, mleft + mwidth, mtop + mheight))
            ink = (min(s[0] for s in spans), min(s[1] for s in spans),
                   max(s[2] for s in spans), max(s[3] for s in spans))
        check(ink is not None, 'cell %r is drawn' % text)
        if ink is None:
            continue
        n = len(text.rstrip(' '))
        blank = 5 if text.endswith(' ') else 0
        wide = CHAR * n - 8 <= ink[2] - ink[0] <= CHAR * n + 1
        at_left = 0 <= ink[0] - left <= 4
        at_right = blank <= left + width - ink[2] <= blank + 4
        check(wide and (at_left or at_right),
              'cell %r: ink %d..%d in its box %d..%d (%d columns)' %
              (text, ink[0], ink[2], left, left + width, n))
    for sign in signs:
        ink = bbox(screen, sign['box'], is_dark)
        check(ink is not None, 'the sign %r is drawn in its box' % sign['text'])
    for rule in rules:
        left, rtop, width, height = rule['box']
        dark = bbox(screen, rule['box'], lambda p: not is_dark(p))
        check(dark is None and width * height > 0, 'the rule line %s is black' % (rule['box'],))


if __name__ == '__main__':
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
    sys.exit(1 if failures else 0)
