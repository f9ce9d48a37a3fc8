"""Drives the real kelvaro.exe under Wine as a person would: X11 keystrokes and
clicks with xdotool, the X11 clipboard with xclip, and the probe helper for
what only Windows can tell (window geometry, clipboard formats, error boxes).

The environment names the programs: KELVARO_EXE, KELVARO_PROBE, and for the
test of a broken definition KELVARO_BROKEN_EXE. Wine's own variables
(WINEPREFIX, DISPLAY) come from the caller.
"""
import json
import os
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import oracle  # noqa: E402  (the independent derivation, one folder up)

KELVARO_EXE = os.environ.get("KELVARO_EXE", "")
PROBE_EXE = os.environ.get("KELVARO_PROBE", "")
BROKEN_EXE = os.environ.get("KELVARO_BROKEN_EXE", "")


def wait_until(condition, what, timeout=30.0):
    """The first true value of condition(), polled until timeout seconds pass."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.2)


def probe(*arguments):
    """The probe's output. Read from a file, not a pipe: a Wine service that the
    probe happens to start inherits its output and would hold a pipe open
    long after the probe has ended."""
    with tempfile.TemporaryFile() as output, tempfile.TemporaryFile() as errors:
        result = subprocess.run(["wine", PROBE_EXE, *arguments], stdout=output, stderr=errors, timeout=60)
        output.seek(0)
        errors.seek(0)
        if result.returncode != 0:
            raise AssertionError(f"probe {' '.join(arguments)} failed: {errors.read().decode()}")
        return output.read().decode("utf-8")


def probe_json(*arguments):
    return [item for item in json.loads(probe(*arguments)) if item]


def kelvaro_windows():
    return probe_json("window")


def error_boxes():
    return probe_json("error-box")


def click_at(rect):
    """A real mouse click in the middle of a rectangle given in screen coordinates."""
    left, top, right, bottom = rect
    xdotool("mousemove", str((left + right) // 2), str((top + bottom) // 2), "click", "1")


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True, timeout=30)


def x_windows_named(name):
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                            capture_output=True, text=True, timeout=30)
    return result.stdout.split()


def x_clipboard_text():
    result = subprocess.run(["xclip", "-selection", "clipboard", "-o"], capture_output=True, timeout=30)
    return result.stdout.decode("utf-8") if result.returncode == 0 else None


def windows_clipboard():
    """(formats, CF_UNICODETEXT bytes or None) as a Windows program sees the clipboard."""
    content = json.loads(probe("clipboard"))
    text = content["unicode_text_hex"]
    return [f for f in content["formats"] if f], bytes.fromhex(text) if text is not None else None


def set_x_clipboard_text(text):
    # xclip stays in the background to serve the selection until someone else takes it.
    subprocess.Popen(["xclip", "-selection", "clipboard", "-i"], stdin=subprocess.PIPE,
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).communicate(text.encode("utf-8"))


class KelvaroWindow:
    """The controls of the running window, found through the probe. At 96 DPI."""

    def __init__(self):
        self.refresh()

    def refresh(self):
        self.data = wait_until(kelvaro_windows, "the Kelvaro window")[0]
        self.children = [child for child in self.data["children"] if child]
        return self

    def _control(self, class_name, index=0, text=None):
        matches = [c for c in self.children if c["class"] == class_name and (text is None or c["text"] == text)]
        return matches[index]

    # Edit fields in tab order: user, master password, application.
    def edit(self, index):
        return self._control("Edit", index)

    def button(self, caption):
        return self._control("Button", text=caption)

    def copy_button(self):
        return self._control("KelvaroSpeedButton")

    def password_label(self):
        return next(c for c in self.children if c["class"] == "KelvaroLabel" and c["rect"][:2] == [219, 283])

    def focused(self):
        return next((c for c in self.children if c.get("focused")), None)

    def click(self, control):
        click_at(control["screen"])

    def type_into(self, field, text):
        """Clicks into edit field number `field` and types text there."""
        self.click(self.edit(field))
        xdotool("type", "--delay", "40", "--", text)

    def fill_in(self, *texts):
        """Types the texts into the first fields, and waits until they show them."""
        for field, text in enumerate(texts):
            self.type_into(field, text)
        wait_until(lambda: [self.refresh().edit(i)["text"] for i in range(len(texts))] == list(texts),
                   "the typed texts")

    def shown_password(self):
        return self.refresh().password_label()["text"]

    def derive(self):
        """Clicks "Mein Passwort" and returns the password that then shows."""
        before = self.shown_password()
        self.click(self.button("Mein Passwort"))
        return wait_until(lambda: self.shown_password() != before and self.shown_password(), "a derived password")


class RunningProgram:
    """kelvaro.exe (or another build of it) started under Wine."""

    def __init__(self, exe=None, show_request=None):
        exe = exe or KELVARO_EXE
        if show_request is None:
            command = ["wine", exe]
        else:
            # Started by the probe, which passes the show request as Windows' Explorer would.
            command = ["wine", PROBE_EXE, "start", str(show_request), "Z:" + exe.replace("/", "\\")]
        self.process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def wait_for_exit(self, timeout=30):
        return self.process.wait(timeout=timeout)

    def running(self):
        return self.process.poll() is None

    def stop(self):
        """Ends the program if it still runs, and closes any error box it left."""
        if self.running():
            for _ in error_boxes():
                xdotool("key", "Return")
            probe("close")
            try:
                self.process.wait(timeout=15)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


class ProgramTestCase(unittest.TestCase):
    """A test with kelvaro.exe running and its window shown."""

    def setUp(self):
        self.start()

    def start(self):
        self.program = RunningProgram()
        self.addCleanup(self.program.stop)
        self.window = KelvaroWindow()
