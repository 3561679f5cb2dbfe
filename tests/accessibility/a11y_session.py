"""A private desktop for one test: Xvfb on a free display, the AT-SPI bus, a window manager, and
the game on it; the game's accessible tree as a screen reader reads it.

Runs inside dbus-run-session, so the session bus is private too. Every process started here
is ended by close(), also when the test fails.
"""

import os
import subprocess
import tempfile
import time

WAIT_SECONDS = 60  # generous for a sanitized build on a busy machine, but bounded


def wait_for(what, probe, seconds=WAIT_SECONDS, pump=None):
    """Polls probe() until it returns something true; raises TimeoutError naming what."""
    deadline = time.monotonic() + seconds
    last_error = None
    while time.monotonic() < deadline:
        if pump:
            pump()
        try:
            value = probe()
            if value:
                return value
        except Exception as error:  # an object may vanish while the tree changes
            last_error = error
        time.sleep(0.05)
    raise TimeoutError(f"timed out waiting for {what} (last error: {last_error})")


class Desktop:
    def __init__(self):
        self.processes = []
        self.folder = tempfile.TemporaryDirectory(prefix="gapwise-a11y-")
        read_end, write_end = os.pipe()
        self._start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "800x600x24",
                     "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            self.close()
            raise RuntimeError("Xvfb did not start")
        os.environ["DISPLAY"] = ":" + number
        os.environ.pop("QT_QPA_PLATFORM", None)
        self._start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        # A window manager, so that windows are activated and take the keyboard focus as on a
        # desktop.
        self._start(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL)

    def _start(self, command, **options):
        process = subprocess.Popen(command, stdin=subprocess.DEVNULL, **options)
        self.processes.append(process)
        return process

    def start_game(self, probe, seed, settings_text):
        """Starts the probe with a settings file holding settings_text; returns the process."""
        path = os.path.join(self.folder.name, f"settings-{len(self.processes)}.reg")
        with open(path, "w", encoding="ascii") as out:
            out.write(settings_text)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        return self._start([probe, str(seed), path], env=env)

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        self.processes.clear()
        self.folder.cleanup()


def settings_file(multiple_choice, time_limit):
    """A stored settings file: all four kinds, right answers shown, the given answer mode."""
    return ("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Ardentree\\Gapwise]\n"
            '"tlimited"=dword:00000001\n"showr"=dword:00000001\n'
            f'"multc"=dword:{int(multiple_choice):08x}\n"timelimit"=dword:{time_limit:08x}\n'
            '"checked"=dword:00000004\n"ops"=hex:00,01,02,03\n')


class Game:
    """The game's accessible tree, found again on every look, as the tree changes."""

    def __init__(self, pyatspi, start):
        """Listens for text events and spoken notifications, then starts the game."""
        self.pyatspi = pyatspi
        self.events = []
        self.notices = []
        pyatspi.Registry.registerEventListener(self.events.append, "object:text-changed")
        pyatspi.Registry.registerEventListener(self._notice, "object:state-changed:showing")
        self.started = time.monotonic()
        self.process = start()
        self.app = wait_for("the game on the accessibility bus", self._find_app, pump=self.pump)

    def _find_app(self):
        if self.process.poll() is not None:
            raise SystemExit(f"the game ended early with status {self.process.returncode}")
        for app in self.pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Gapwise" and app.childCount > 0:
                return app
        return None

    def _notice(self, event):
        if event.detail1 and event.source.getRoleName() == "notification":
            self.notices.append((time.monotonic() - self.started, event.source.name))

    def spoken(self):
        return [text for _, text in self.notices]

    def wait_notice(self, text):
        """Waits until the text has been announced; returns when, in seconds from start-up."""
        self.wait(f"the announcement {text!r}", lambda: text in self.spoken())
        return next(at for at, said in self.notices if said == text)

    def pump(self):
        from gi.repository import GLib
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass

    def showing(self, role, name=None, root=None):
        """The showing objects of a role (and name), in tree order."""
        found = []

        def walk(node):
            for child in node:
                if child is None:
                    continue
                state = child.getState()
                if not state.contains(self.pyatspi.STATE_SHOWING):
                    continue
                if child.getRoleName() == role and (name is None or child.name == name):
                    found.append(child)
                walk(child)

        walk(root or self.app)
        return found

    def one(self, role, name=None):
        found = self.showing(role, name)
        return found[0] if len(found) == 1 else None

    def key(self, keysym):
        self.pyatspi.Registry.generateKeyboardEvent(keysym, None, self.pyatspi.KEY_SYM)

    def wait(self, what, probe):
        return wait_for(what, probe, pump=self.pump)

    def puzzle(self):
        """The puzzle area: the first control of the window."""
        window = self.app[0]
        return window[0] if window is not None and window.childCount > 0 else None

    def answer_text(self):
        box = self.one("text", "Answer")
        return box.queryText().getText(0, -1) if box else None

    def exit(self):
        button = self.wait("the Exit button", lambda: self.one("push button", "Exit"))
        button.queryAction().doAction(0)
        return self.process.wait(timeout=60)


def press(game, role, name):
    button = game.wait(f"the {name} {role}", lambda: game.one(role, name))
    button.queryAction().doAction(0)
