"""A test program built for the browser, run in Debian's headless Chromium in the page of a test
program (program.html, beside it in FOLDER): program_test.py FOLDER PROGRAM_JS. Its output is
printed and its exit status is this test's."""
import sys

import browser


def run(folder, program, timeout=120):
    server = browser.Server(folder)
    driver = browser.chromium()
    try:
        tab = browser.Page(driver, 'http://127.0.0.1:%d/program.html?%s' % (server.port, program))
        driver.get(tab.url)
        try:
            status = tab.until(lambda: tab.js('return document.body.dataset.exit'), timeout)
        except AssertionError:
            status = 'no exit within %d s' % timeout
        print(tab.js('return document.getElementById("gw-output").textContent'))
        if status == '0':
            return 0
        for entry in driver.get_log('browser'):
            print('console:', entry['message'])
        return 'exit status: %s' % status
    finally:
        driver.quit()
        server.stop()


if __name__ == '__main__':
    sys.exit(run(sys.argv[1], sys.argv[2]))
