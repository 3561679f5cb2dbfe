"""Gapwise in Chromium: the page plays as the desktop game does. Run as
page_test.py PAGE_FOLDER DEALER_JS [SCREENSHOT_JS LINUX_SCREENSHOT]; each case is one rule, driven
as a user would. With the page's and the Linux screenshot tools, the page's windows are compared
with the Linux ones."""
import os
import subprocess
import sys
import tempfile
import time
import unittest

from selenium import webdriver
from selenium.webdriver.common.keys import Keys

import browser

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', '..', 'tools'))
import compare_screenshots  # noqa: E402

SEED = 42
DIGITS = lambda answer: ''.join(c for c in answer)


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = browser.Server(FOLDER)
        cls.driver = browser.chromium()
        cls.page = browser.Page(cls.driver, 'http://127.0.0.1:%d/index.html' % cls.server.port)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.stop()

    def setUp(self):
        self.page.open(SEED)
        self.puzzles = browser.deal(DEALER, SEED, '--count', '3', '--layout')

    def test_opens_with_the_puzzle_where_the_layout_puts_it(self):
        p = self.page
        self.assertEqual(self.driver.title, 'Gapwise')
        mask = p.js('''var m = [...document.querySelectorAll(".gw-columns")].find(e =>
            e.offsetParent && e.textContent.includes("?") &&
            getComputedStyle(e).color === "rgb(255, 0, 0)");
            var f = document.querySelector(".gw-main").getBoundingClientRect(),
                r = m.getBoundingClientRect();
            return [Math.round(r.left - f.left), Math.round(r.top - f.top), m.textContent];''')
        layout = self.puzzles[0]['layout']
        self.assertEqual(mask, [layout['maskLeft'], layout['maskTop'], self.puzzles[0]['mask']])
        self.driver.save_screenshot(FOLDER + '/../web-screenshot.png')

    def test_typed_answers_count_and_a_wrong_one_beeps_and_tells(self):
        p = self.page
        p.keys(self.puzzles[0]['answer'])
        p.keys(Keys.ENTER)
        p.until(lambda: p.counter('Right') == '1')
        self.assertEqual(p.counter('Total'), '1')
        p.until(lambda: 'Right.' in p.spoken())
        wrong = ''.join('1' if c != '1' else '2' for c in self.puzzles[1]['answer'])
        p.keys(wrong)
        p.keys(Keys.ENTER)
        self.assertEqual(p.wait_box(), 'The answer is ' + self.puzzles[1]['answer'])
        self.assertEqual(p.js('return Module.gwBeeps'), 1)
        self.assertEqual(p.js('return document.querySelector("dialog[open]").getAttribute("role")'),
                         'alertdialog')
        p.close_box()
        self.assertEqual((p.counter('Wrong'), p.counter('Total')), ('1', '2'))
        p.until(lambda: 'Wrong.' in p.spoken())

    def test_a_double_click_gives_one_box(self):
        p = self.page
        p.js('var b = arguments[0]; b.click(); b.click();', p.button('Check'))
        p.wait_box()
        p.close_box()
        time.sleep(0.3)
        self.assertIsNone(p.box())

    def options(self, changes):
        p = self.page
        p.click('Options')
        p.until(lambda: p.dialog() == 'Options')
        self.assertEqual(p.js('return document.querySelector("dialog[open]").getAttribute("role")'),
                         None)  # a <dialog>: the role dialog
        for caption, on in changes.get('checks', {}).items():
            p.check(caption, on)
        if 'limit' in changes:
            p.set_edit(changes['limit'])
        p.click('OK')

    def test_options_validate_and_apply(self):
        p = self.page
        rows = [({'checks': {'Addition questions': False, 'Subtraction questions': False,
                             'Multiplication questions': False, 'Division questions': False}},
                 'Please select at least one question type.'),
                ({'limit': ''}, 'Please enter a valid time limit'),
                ({'limit': '3'}, 'Time limit can be at least 5 secs.')]
        for changes, message in rows:
            with self.subTest(message):
                self.options(changes)
                self.assertEqual(p.wait_box(), message)
                p.close_box()
                self.assertEqual(p.dialog(), 'Options')
                p.click('Cancel')
                p.until(lambda: p.dialog() is None)
        self.options({'limit': 'x7'})  # only digits reach the box
        p.until(lambda: p.dialog() is None)
        p.until(lambda: p.counter('Time left') == '7')

    def test_multiple_choice_with_up_down_enter(self):
        p = self.page
        self.options({'checks': {'Multiple choice': True}})
        p.until(lambda: p.dialog() is None)
        radios = lambda: p.js('return [...document.querySelectorAll(".gw-radios input")]'
                              '.map(r => r.checked)')
        p.until(lambda: len(radios()) == 4)
        p.js('document.querySelector(".gw-radios input:checked, .gw-radios input").focus()')
        checked = lambda: radios().index(True) if True in radios() else -1
        before = checked()
        p.keys(Keys.DOWN)  # the program takes the key from its queue
        p.until(lambda: checked() == (before + 1) % 4)
        p.keys(Keys.UP)
        p.until(lambda: checked() == (before % 4 if before >= 0 else 3))
        focused = lambda: p.js('var a = document.activeElement;'
                               'return a.type === "radio" ? "radio" : a.textContent')
        p.keys(Keys.TAB)  # along the tab order, and back into the list at its selection
        p.until(lambda: focused() == 'Check')
        webdriver.ActionChains(p.d).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(
            Keys.SHIFT).perform()
        p.until(lambda: focused() == 'radio')
        p.keys(Keys.ENTER)
        p.until(lambda: p.counter('Total') == '1' or p.box())

    def test_the_countdown_times_out_into_the_box(self):
        p = self.page
        self.options({'limit': '5'})
        p.until(lambda: p.counter('Time left') == '4')
        self.assertEqual(p.until(p.box, 8), 'The answer is ' + self.puzzles[1]['answer'])
        time.sleep(1.2)  # the ticks under the box do not count this puzzle down again
        self.assertEqual(p.counter('Time left'), '0')
        p.close_box()
        self.assertEqual((p.counter('Wrong'), p.counter('Time left')), ('1', '5'))
        p.until(lambda: p.counter('Time left') == '4')

    def test_info_pauses_the_countdown(self):
        p = self.page
        p.click('Info')
        p.until(lambda: p.dialog() == 'Info')
        left = p.counter('Time left')
        time.sleep(2.2)
        self.assertEqual(p.counter('Time left'), left)
        # The dialog reads its whole text as its description, once, and nothing is announced.
        described = p.js('return [...document.querySelectorAll("dialog[open]")].pop()'
                         '.getAttribute("aria-description")')
        self.assertIn('internet site', described or '')
        self.assertNotIn('internet site', p.spoken())
        p.click('OK')
        p.until(lambda: p.counter('Time left') != left)

    def test_exit_saves_and_the_end_screen_starts_again(self):
        p = self.page
        self.options({'limit': '45'})
        p.until(lambda: p.dialog() is None)
        p.click('Exit')
        p.until(lambda: 'Gapwise has ended.' in p.js('return document.body.textContent'))
        stored = p.js('return localStorage.getItem("gapwise/registry.reg")')
        self.assertIn('"timelimit"=dword:0000002d', stored)
        p.click('Start again')
        p.until(lambda: p.js('return !!document.querySelector(".gw-main")'))
        p.until(lambda: p.counter('Time left') == '45')

    def test_a_spoiled_stored_value_gives_its_message(self):
        rows = [('"timelimit"="12"', "Invalid data type for 'timelimit'"),
                ('"ops"=dword:00000001', "Invalid data type for 'ops'"),
                ('"timelimit"=hex(4):1e,00,00,00,00', "Failed to get data for 'timelimit'")]
        for value, message in rows:
            with self.subTest(message):
                self.page.open(SEED, 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Ardentree'
                               '\\Gapwise]\r\n%s\r\n' % value)
                self.assertEqual(self.page.wait_box(), message)
                self.page.close_box()

    def test_what_a_screen_reader_reads(self):
        p = self.page
        names = p.js('return [...document.querySelectorAll(".gw-main button")]'
                     '.map(b => b.getAttribute("aria-label") || b.textContent)')
        self.assertEqual(sorted(names), sorted(['Help', 'Check', 'Exit', 'Options', 'Info']))
        self.assertEqual(p.button('?').accessible_name, 'Help')
        self.assertEqual(p.button('Check').aria_role, 'button')
        reading = p.js('var r = document.querySelector(".gw-panel[role=img]");'
                       'return r.getAttribute("aria-label")')
        self.assertTrue(reading)
        p.until(lambda: reading.split(' ')[0] in p.spoken())  # the first puzzle was announced


    @unittest.skipUnless(len(sys.argv) > 4, 'no screenshot tools given')
    def test_the_windows_stand_where_the_linux_ones_do(self):
        """Every screenshot's red mask to the pixel, the digits' ink and the panels' places."""
        linux, web = tempfile.mkdtemp(), tempfile.mkdtemp()
        subprocess.run([sys.argv[4], str(SEED), linux], check=True, capture_output=True,
                       env=dict(os.environ, QT_QPA_PLATFORM='offscreen'))
        server = browser.Server(browser.with_program(FOLDER, sys.argv[3]))
        try:
            self.driver.get('http://127.0.0.1:%d/screenshot.html?seed=%d' % (server.port, SEED))
            self.page.pictures(web)
        finally:
            server.stop()
        self.assertEqual(compare_screenshots.main(linux, web, with_panels=True), 0)


class OfflineTest(unittest.TestCase):
    """The page once its service worker has kept it."""

    def setUp(self):
        self.server = browser.Server(FOLDER)
        self.driver = browser.chromium()
        self.addCleanup(self.driver.quit)
        self.addCleanup(self.server.stop)
        page = self.page = browser.Page(self.driver,
                                        'http://127.0.0.1:%d/index.html' % self.server.port)
        page.open(SEED)
        page.until(lambda: page.js('return navigator.serviceWorker.controller !== null') or
                   page.reload(SEED))
        page.until(lambda: page.js('return caches.keys().then(k => k.length)'))

    def test_plays_after_the_server_stops(self):
        page = self.page
        self.server.stop()
        page.reload(SEED)
        page.keys(browser.deal(DEALER, SEED, '--count', '1')[0]['answer'])
        page.keys(Keys.ENTER)
        page.until(lambda: page.counter('Right') == '1')

    def test_installable_with_a_valid_manifest(self):
        manifest = self.driver.execute_cdp_cmd('Page.getAppManifest', {})
        self.assertEqual(manifest['errors'], [])
        self.assertIn('"icon.svg"', manifest['data'])
        self.assertEqual(
            self.driver.execute_cdp_cmd('Page.getInstallabilityErrors', {})['installabilityErrors'],
            [])

    def test_help_opens_in_a_new_tab_and_loads_offline(self):
        game = self.driver.current_window_handle
        self.page.click('?')
        self.page.until(lambda: len(self.driver.window_handles) == 2)
        self.driver.switch_to.window([h for h in self.driver.window_handles if h != game][0])
        self.page.until(lambda: self.driver.title == 'Gapwise Help')
        self.server.stop()
        self.driver.refresh()
        self.page.until(lambda: self.driver.title == 'Gapwise Help')
        self.assertTrue(self.page.js('return document.styleSheets[0].cssRules.length > 0'))


if __name__ == '__main__':
    FOLDER, DEALER = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=2)
