"""A private desktop for one test: Xvfb on a free display, the AT-SPI bus, a window manager, and
the game on it.

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
