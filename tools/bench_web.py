"""Measures the page in headless Chromium: the first paint on a reload, against a plain HTML page
with the same labels (the game's own elements, saved once drawn), medians of RUNS in one run; and
the page's memory. Usage: bench_web.py PAGE_FOLDER [RUNS]"""
import os
import shutil
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', 'tests', 'web'))
import browser  # noqa: E402

PAINT = ('return (performance.getEntriesByName("first-contentful-paint")[0] || {}).startTime')


def first_paints(page, url, runs):
    times = []
    for _ in range(runs):
        page.d.get(url)
        times.append(page.until(lambda: page.js(PAINT)))
    return times


def main():
    source, runs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 15
    folder = tempfile.mkdtemp(prefix='gapwise-bench-')
    shutil.rmtree(folder)
    shutil.copytree(source, folder)
    server = browser.Server(folder)
    driver = browser.chromium()
    page = browser.Page(driver, 'http://127.0.0.1:%d/' % server.port)
    try:
        page.open(42)
        time.sleep(1)
        labels = page.js('return document.getElementById("gw-page").outerHTML')
        with open(os.path.join(folder, 'plain.html'), 'w') as plain:
            plain.write('<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Gapwise'
                        '</title><link rel="stylesheet" href="gapwise.css"></head><body>%s'
                        '</body></html>' % labels)
        game = first_paints(page, page.url + 'index.html?seed=42', runs)
        plain = first_paints(page, page.url + 'plain.html', runs)
        page.open(42)
        time.sleep(2)
        memory = page.js('return [performance.memory.usedJSHeapSize, HEAP8.length]')
        game_ms, plain_ms = statistics.median(game), statistics.median(plain)
        print('first paint on reload, median of %d: game %.0f ms, plain page %.0f ms (%.2fx)' %
              (runs, game_ms, plain_ms, game_ms / plain_ms))
        print('memory: JavaScript heap %.1f MB, program (wasm) memory %.1f MB' %
              (memory[0] / 1e6, memory[1] / 1e6))
    finally:
        driver.quit()
        server.stop()
        shutil.rmtree(folder)


if __name__ == '__main__':
    main()
