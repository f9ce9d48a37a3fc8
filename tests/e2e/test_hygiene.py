"""kelvaro.exe writes nothing: the Wine prefix's registry and files are the
same before and after a session in which the user derives and copies.

Runs in a Wine prefix of its own (WINEPREFIX), whose server it stops to make
Wine write the registry to disk. What Wine itself changes whenever any
program runs is learnt from a run of another program first, and allowed."""
import os
import subprocess
import unittest

from harness import KelvaroWindow, RunningProgram, probe, wait_until, x_clipboard_text

PREFIX = os.environ["WINEPREFIX"]


def flush_wine():
    """Stops the Wine server, which writes the registry to disk."""
    subprocess.run(["wineserver", "-k"], capture_output=True)
    subprocess.run(["wineserver", "-w"], capture_output=True)


def start_wine():
    """Starts the Wine server with its output sent away: one started by a
    program whose output is captured would hold that pipe open."""
    subprocess.run(["wineserver", "-p"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["wineboot"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def registry_values():
    """{(file, key, value name): value} of the prefix's registry files, without time stamps."""
    values = {}
    for name in ("system.reg", "user.reg", "userdef.reg"):
        key = None
        pending = ""
        with open(os.path.join(PREFIX, name), encoding="utf-8", errors="replace") as f:
            for line in f:
                line = pending + line.rstrip("\n")
                if line.endswith("\\") and not line.startswith("["):
                    pending = line[:-1]
                    continue
                pending = ""
                if line.startswith("["):
                    key = line[:line.rindex("]") + 1]
                    values[(name, key, None)] = ""
                elif key and "=" in line and not line.startswith("#"):
                    value_name, value = line.split("=", 1)
                    values[(name, key, value_name)] = value
    return values


def files():
    """{path: (size, modification time)} of every file in the prefix's drive C:."""
    root = os.path.join(PREFIX, "drive_c")
    found = {}
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            if os.path.isfile(path):
                status = os.stat(path)
                found[os.path.relpath(path, root)] = (status.st_size, status.st_mtime_ns)
    return found


def snapshot():
    flush_wine()
    taken = registry_values(), files()
    start_wine()
    return taken


def changes(before, after):
    return {k for k in before.keys() | after.keys() if before.get(k) != after.get(k)}


class NothingIsWritten(unittest.TestCase):
    def test_registry_and_files_unchanged_by_a_session(self):
        start_registry, start_files = snapshot()
        # Another program, to learn what Wine changes on its own.
        probe("window")
        control_registry, control_files = snapshot()
        self.addCleanup(flush_wine)
        wine_noise = changes(start_registry, control_registry) | changes(start_files, control_files)

        program = RunningProgram()
        window = KelvaroWindow()
        window.fill_in("hygiene@example.com", "sehr-geheim", "mail")
        password = window.derive()
        window.click(window.copy_button())
        wait_until(lambda: x_clipboard_text() == password, "the password on the clipboard")
        window.click(window.button("Ende"))
        self.assertEqual(program.wait_for_exit(), 0)

        end_registry, end_files = snapshot()
        written = (changes(control_registry, end_registry) | changes(control_files, end_files)) - wine_noise
        self.assertEqual(written, set())
        print(f"compared {len(end_registry)} registry entries and {len(end_files)} files; "
              f"{len(wine_noise)} entries that Wine changes by itself allowed")


if __name__ == "__main__":
    unittest.main(verbosity=2)
