#!/usr/bin/env python3
"""Compares the puzzle area of another platform's screenshots with the Linux ones of the same seed.

    compare_screenshots.py [--panels] LINUX_DIR OTHER_DIR

LINUX_DIR holds what `gapwise-screenshot SEED DIR` writes on Linux (PNG files), OTHER_DIR what
the Windows tool writes under Wine (BMP files) or the page's pictures (PNG files), under the same
names. For every pair, in the puzzle area (the "?" button left out, whose frame is the
platform's): the red mask covers the same pixels' box, and the digits' ink stands in the same
places: nearly every ink pixel of either has one of the other within one pixel (the faces are
metric-compatible, their rendering differs). With --panels, also the window's panels: the flat
region of each of the Linux picture's main colours covers the same box in both, give or take the
width of a frame that the platform draws (the choice list's group box). Prints a line
per pair; exit status 1 when a pair differs. Reads images with ImageMagick (`convert`)."""
import collections
import os
import subprocess
import sys

WIDTH, HEIGHT = 257, 389
AREA = (1, 1, 168, 208)      # inside the puzzle area's bevel
BUTTON = (0, 0, 27, 27)      # the "?" button over its corner
NEAR = 0.9                   # the share of ink pixels that must have a partner within one pixel
FRAME = 2                    # a platform's frame inside a panel's edge, in pixels


def pixels(path):
    data = subprocess.run(['convert', path, '-depth', '8', 'rgb:-'], check=True,
                          capture_output=True).stdout
    if len(data) != 3 * WIDTH * HEIGHT:
        raise SystemExit('%s is not %d x %d' % (path, WIDTH, HEIGHT))
    return data


def marks(data):
    """The ink ('k') and red ('r') pixels of the puzzle area."""
    found = {}
    for y in range(AREA[1], AREA[3]):
        for x in range(AREA[0], AREA[2]):
            if BUTTON[0] <= x < BUTTON[2] and BUTTON[1] <= y < BUTTON[3]:
                continue
            i = 3 * (y * WIDTH + x)
            r, g, b = data[i], data[i + 1], data[i + 2]
            if r >= 180 and g <= 110 and b <= 110:
                found[(x, y)] = 'r'
            elif max(r, g, b) < 110:
                found[(x, y)] = 'k'
    return found


def box(found, kind):
    points = [p for p, k in found.items() if k == kind]
    if not points:
        return None
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return min(xs), min(ys), max(xs), max(ys)


def near(a, b):
    hits = sum(1 for (x, y), k in a.items()
               if any(b.get((x + dx, y + dy)) == k for dx in (-1, 0, 1) for dy in (-1, 0, 1)))
    return hits / max(1, len(a))


def panels(data, count=4):
    """The boxes of the flat regions of the picture's `count` commonest colours, each grown from
    its first pixel whose neighbours share its colour: the panels' places."""
    at = lambda x, y: data[3 * (y * WIDTH + x):3 * (y * WIDTH + x) + 3]
    colours = collections.Counter(at(x, y) for y in range(HEIGHT) for x in range(WIDTH))
    seeds = []
    for colour, _ in colours.most_common(count):
        seeds.append(next((x, y) for y in range(1, HEIGHT - 1) for x in range(1, WIDTH - 1)
                          if all(at(x + dx, y + dy) == colour
                                 for dx in (-1, 0, 1) for dy in (-1, 0, 1))))
    return seeds, [region(at, seed) for seed in seeds]


def region(at, seed):
    colour, seen, todo = at(*seed), {seed}, [seed]
    while todo:
        x, y = todo.pop()
        for p in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if 0 <= p[0] < WIDTH and 0 <= p[1] < HEIGHT and p not in seen and at(*p) == colour:
                seen.add(p)
                todo.append(p)
    return box({p: 'p' for p in seen}, 'p')


def compare(linux, other, with_panels):
    """Whether the pair matches, and its line."""
    a_data, b_data = pixels(linux), pixels(other)
    a, b = marks(a_data), marks(b_data)
    same_red = box(a, 'r') == box(b, 'r') and box(a, 'r') is not None
    ab, ba = near(a, b), near(b, a)
    ok = same_red and ab >= NEAR and ba >= NEAR
    line = 'red %s / %s, ink near: linux %.3f other %.3f' % (box(a, 'r'), box(b, 'r'), ab, ba)
    if with_panels:
        seeds, boxes = panels(a_data)
        others = [region(lambda x, y: b_data[3 * (y * WIDTH + x):3 * (y * WIDTH + x) + 3], seed)
                  for seed in seeds]
        alike = all(max(abs(p - q) for p, q in zip(one, two)) <= FRAME
                    for one, two in zip(boxes, others))
        ok = ok and alike
        line += ', panels %s' % ('alike' if alike else '%s / %s' % (boxes, others))
    return ok, line


def main(linux, other, with_panels=False):
    names = sorted(n for n in os.listdir(linux) if n.endswith('.png'))
    if not names:
        raise SystemExit('no PNG files in ' + linux)
    failed = 0
    for name in names:
        found = [os.path.join(other, name[:-4] + ext) for ext in ('.bmp', '.png')]
        ok, line = compare(os.path.join(linux, name), next((f for f in found if os.path.exists(f)),
                                                           found[0]), with_panels)
        failed += not ok
        print('%s %-38s %s' % ('ok:' if ok else 'FAILED:', name[:-4], line))
    print('%d of %d screenshots match' % (len(names) - failed, len(names)))
    return 1 if failed else 0


if __name__ == '__main__':
    args = [a for a in sys.argv[1:] if a != '--panels']
    if len(args) != 2:
        sys.exit(__doc__)
    sys.exit(main(*args, with_panels='--panels' in sys.argv[1:]))
