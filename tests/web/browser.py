"""The page in Debian's headless Chromium through chromium-driver, served from a local folder."""
import functools
import http.server
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

FLAGS = ('--headless --no-sandbox --disable-gpu --disable-quic --no-first-run '
         '--disable-background-networking --disable-component-update --disable-sync '
         '--window-size=700,700').split()


class Server:
    """A static server of the page's folder on a free local port; stop() takes it away."""

    def __init__(self, folder, port=0):
        handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=folder)
        handler.log_message = lambda *args: None
        self.httpd = http.server.ThreadingHTTPServer(('127.0.0.1', port), handler)
        self.port = self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def chromium():
    options = webdriver.ChromeOptions()
    for flag in FLAGS + ['--user-data-dir=' + tempfile.mkdtemp(prefix='gapwise-chromium-')]:
        options.add_argument(flag)
    options.binary_location = '/usr/bin/chromium'
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    return webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)


def with_program(folder, program):
    """A copy of the page's folder whose screenshot.html starts PROGRAM (a .js file beside its
    .wasm) in place of the game."""
    copy = tempfile.mkdtemp(prefix='gapwise-page-')
    shutil.copytree(folder, copy, dirs_exist_ok=True)
    name = os.path.basename(program)[:-3]
    for ext in ('.js', '.wasm'):
        shutil.copy(program[:-3] + ext, copy)
    with open(os.path.join(folder, 'index.html')) as index:
        page = index.read().replace('gapwise.js', name + '.js').replace('gapwise.wasm', name + '.wasm')
    with open(os.path.join(copy, 'screenshot.html'), 'w') as out:
        out.write(page)
    return copy


def deal(dealer, seed, *args):
    """The dealer's puzzles (gapwise-deal.js under Node) for the seed, as dictionaries."""
    out = subprocess.run(['node', '--no-experimental-fetch', dealer, '--seed', str(seed)] +
                         list(args), check=True, capture_output=True, text=True).stdout
    return [json.loads(line) for line in out.splitlines()]


class Page:
    """The game in one tab: what the user sees and does."""

    def __init__(self, driver, url):
        self.d, self.url = driver, url

    def open(self, seed, stored=None):
        self.d.get(self.url + '?seed=%d' % seed)
        self.d.execute_script('localStorage.clear();')
        if stored is not None:
            self.d.execute_script('localStorage.setItem("gapwise/registry.reg", arguments[0]);',
                                  stored)
        self.reload(seed)

    def reload(self, seed):
        self.d.get(self.url + '?seed=%d' % seed)
        self.until(lambda: self.js('return !!document.querySelector(".gw-main .gw-button")'))
        time.sleep(0.5)  # the form is shown and announced

    def js(self, script, *args):
        return self.d.execute_script(script, *args)

    def until(self, condition, timeout=10):
        end = time.time() + timeout
        while time.time() < end:
            value = condition()
            if value:
                return value
            time.sleep(0.05)
        raise AssertionError('timed out waiting')

    def keys(self, *keys):
        webdriver.ActionChains(self.d).send_keys(*keys).perform()

    def button(self, caption, scope='document'):
        return self.js('return [...%s.querySelectorAll("button")].find('
                       'b => b.textContent === arguments[0] && b.offsetParent)' % scope, caption)

    def click(self, caption):
        self.button(caption).click()

    def box(self):
        """The open message box's text, or None."""
        return self.js('var b = document.querySelector("dialog.gw-box[open] .gw-text");'
                       'return b && b.textContent;')

    def wait_box(self):
        return self.until(self.box)

    def close_box(self):
        self.keys(Keys.ENTER)
        self.until(lambda: self.box() is None)

    def counter(self, title):
        return self.js('return document.querySelector("[aria-label^=\'%s:\']").textContent' % title)

    def dialog(self):
        return self.js('var d = [...document.querySelectorAll("dialog[open]")].pop();'
                       'return d && d.querySelector(".gw-caption").textContent;')

    def check(self, caption, on):
        box = self.js('return [...document.querySelectorAll("dialog[open] label.gw-check")].find('
                      'l => l.textContent.trim() === arguments[0]).querySelector("input")', caption)
        if box.is_selected() != on:
            box.click()

    def set_edit(self, text):
        edit = self.d.find_element(By.CSS_SELECTOR, 'dialog[open] input.gw-edit')
        edit.click()
        self.js('arguments[0].select()', edit)
        self.keys(Keys.BACKSPACE)
        if text:
            self.keys(text)

    def pictures(self, folder):
        """Saves the main form as PNG files into folder while the page's tool names its pictures
        (Module.gwPicture), until it names none."""
        os.makedirs(folder, exist_ok=True)
        while True:
            name = self.until(lambda: self.js('return Module.gwPicture !== undefined && '
                                              '[Module.gwPicture]'))[0]
            if not name:
                return
            self.d.find_element(By.CSS_SELECTOR, '.gw-main').screenshot(
                os.path.join(folder, name + '.png'))
            self.js('Module.gwPictureTaken()')
            self.until(lambda: self.js('return Module.gwPicture !== arguments[0]', name))

    def spoken(self):
        return self.js('return [...document.querySelectorAll(".gw-live")].map(r => r.textContent)'
                       '.join(" | ")')
