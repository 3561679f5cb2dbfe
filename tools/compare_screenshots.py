#!/usr/bin/env python3
"""Compares the puzzle area of the Windows screenshots with the Linux ones of the same seed.

    compare_screenshots.py LINUX_DIR WINDOWS_DIR

LINUX_DIR holds what `gapwise-screenshot SEED DIR` writes on Linux (PNG files), WINDOWS_DIR what
`gapwise-screenshot.exe SEED DIR` writes under Wine (BMP files of the same names). For every pair,
in the puzzle area (the "?" button left out, whose frame is the platform's): the red mask covers
the same pixels' box, and the digits' ink stands in the same places: nearly every ink pixel of
either has one of the other within one pixel (the faces are metric-compatible, their rendering
differs). Prints a line per pair; exit status 1 when a pair differs. Reads images with ImageMagick
(`convert`)."""
import os
import subprocess
import sys

WIDTH, HEIGHT = 257, 389
AREA = (1, 1, 168, 208)      # inside the puzzle area's bevel
BUTTON = (0, 0, 27, 27)      # the "?" button over its corner
NEAR = 0.9                   # the share of ink pixels that must have a partner within one pixel


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


def main(linux, windows):
    names = sorted(n for n in os.listdir(linux) if n.endswith('.png'))
    if not names:
        raise SystemExit('no PNG files in ' + linux)
    failed = 0
    for name in names:
        other = os.path.join(windows, name[:-4] + '.bmp')
        a = marks(pixels(os.path.join(linux, name)))
        b = marks(pixels(other))
        same_red = box(a, 'r') == box(b, 'r') and box(a, 'r') is not None
        ab, ba = near(a, b), near(b, a)
        ok = same_red and ab >= NEAR and ba >= NEAR
        failed += not ok
        print('%s %-38s red %s / %s, ink near: linux %.3f windows %.3f' %
              ('ok:' if ok else 'FAILED:', name[:-4], box(a, 'r'), box(b, 'r'), ab, ba))
    print('%d of %d screenshots match' % (len(names) - failed, len(names)))
    return 1 if failed else 0


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
