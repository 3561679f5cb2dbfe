"""Measures the page in headless Chromium: the first paint on a reload, against a plain HTML page
with the same labels in the same faces (the game's own elements, saved once drawn, with the
game's style and its fonts preloaded) and against that page made to wait for gapwise.wasm, all
served by the same server under the same service worker and reloaded in turn, medians of RUNS in
one run; where the game's load spends its time; and the page's memory. Every file served is
dated a day back, as on a site deployed the day before: the browser keeps a file in its memory
cache for reloads for a tenth of its age (from Last-Modified), so files just built would be
fetched again where older ones are not, and the figures would depend on how long ago the page
was built. Usage: bench_web.py PAGE_FOLDER [RUNS]"""
import json
import os
import shutil
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', 'tests', 'web'))
import browser  # noqa: E402

PAINT = ('return (performance.getEntriesByName("first-contentful-paint")[0] || {}).startTime')
# Where a load's time goes: when each file had arrived, and the page's own marks (index.html).
STEPS = ('''var t = {};
    performance.getEntriesByType("resource").forEach(e => t[e.name.split("/").pop()] = e.responseEnd);
    performance.getEntriesByType("mark").forEach(e => t[e.name] = e.startTime);
    t["html"] = performance.getEntriesByType("navigation")[0].responseEnd;
    return t;''')


def date_back(folder, seconds=86400):
    """Dates every file under folder SECONDS back from now."""
    then = time.time() - seconds
    for parent, _, names in os.walk(folder):
        for name in names:
            os.utime(os.path.join(parent, name), (then, then))


def write_pages(folder, labels):
    """plain.html: the game's elements as drawn (LABELS), with the game's style and its faces
    preloaded as the game's page may; wasm.html: the same, its labels put in by a script once the
    faces are loaded and gapwise.wasm (preloaded as the game's page does) is compiled, the least
    any page that runs the program must wait for."""
    fonts = ''.join('<link rel="preload" href="fonts/%s" as="font" type="font/ttf" crossorigin>'
                    % name for name in sorted(os.listdir(folder + '/fonts'))
                    if name.endswith('.ttf'))
    head = ('<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Gapwise</title>%s'
            + fonts + '<link rel="stylesheet" href="gapwise.css"></head><body>')
    with open(os.path.join(folder, 'plain.html'), 'w') as plain:
        plain.write(head % '' + labels + '</body></html>')
    # The wasm asked for first, as the game's page asks for it.
    wasm = ('<link rel="preload" href="gapwise.wasm" as="fetch" type="application/wasm" '
            'crossorigin>')
    faces = ', '.join('document.fonts.load(\'%s16px "Liberation Serif"\')' % face
                      for face in ('', 'bold ', 'italic '))
    with open(os.path.join(folder, 'wasm.html'), 'w') as floor:
        floor.write(head % wasm + '<script>Promise.all([%s, WebAssembly.compileStreaming(fetch('
                    '"gapwise.wasm", {credentials: "same-origin"}))]).then(function () {'
                    ' document.body.insertAdjacentHTML("afterbegin", %s); });</script></body>'
                    '</html>' % (faces, json.dumps(labels)))


def first_paint(page, url, steps=None):
    """The first paint of the page at url when reloaded (once opened), and where its time went."""
    page.d.get(url)
    page.d.refresh()
    paint = page.until(lambda: page.js(PAINT))
    if steps is not None:
        for name, at in page.js(STEPS).items():
            steps.setdefault(name, []).append(at)
    return paint


def alternating(page, urls, runs):
    """Each page's first paints on reloads, the pages reloaded in turn, and the first's steps."""
    times = [[] for _ in urls]
    steps = {}
    for _ in range(runs):
        for i, url in enumerate(urls):
            times[i].append(first_paint(page, url, steps if i == 0 else None))
    return times, {name: statistics.median(at) for name, at in steps.items()}


def main():
    source, runs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 15
    folder = tempfile.mkdtemp(prefix='gapwise-bench-')
    shutil.rmtree(folder)
    shutil.copytree(source, folder)
    date_back(folder)
    server = browser.Server(folder)
    driver = browser.chromium()
    page = browser.Page(driver, 'http://127.0.0.1:%d/' % server.port)
    try:
        page.open(42)
        time.sleep(1)
        write_pages(folder, page.js('return document.getElementById("gw-page").outerHTML'))
        date_back(folder)
        (game, plain, floor), steps = alternating(page, [page.url + 'index.html?seed=42',
                                                         page.url + 'plain.html',
                                                         page.url + 'wasm.html'], runs)
        page.open(42)
        time.sleep(2)
        memory = page.js('return [performance.memory.usedJSHeapSize, HEAP8.length]')
        game_ms, plain_ms, floor_ms = (statistics.median(t) for t in (game, plain, floor))
        print('first paint on reload, median of %d: game %.0f ms, plain page %.0f ms (%.2fx)' %
              (runs, game_ms, plain_ms, game_ms / plain_ms))
        print('the plain page showing its labels once it has fetched and compiled gapwise.wasm: '
              '%.0f ms (%.2fx)' % (floor_ms, floor_ms / plain_ms))
        print('the game\'s load, medians in ms from the navigation: ' +
              ', '.join('%s %.0f' % (name, at) for name, at in sorted(steps.items(),
                                                                      key=lambda s: s[1])))
        print('memory: JavaScript heap %.1f MB, program (wasm) memory %.1f MB' %
              (memory[0] / 1e6, memory[1] / 1e6))
    finally:
        driver.quit()
        server.stop()
        shutil.rmtree(folder)


if __name__ == '__main__':
    main()
