"""One running kelvaro.exe, 1,000 derivations and copies with a new
application name each time: no crash, no error box, and no growth of its
memory or window objects. Prints the figures."""
import json
import subprocess
import unittest

from harness import PROBE_EXE, KelvaroWindow, RunningProgram, error_boxes, oracle, wait_until, x_clipboard_text

CYCLES = 1000
MEBIBYTE = 1024 * 1024


def linux_memory(pid):
    """Resident and anonymous (private) memory of a Linux process, in bytes."""
    with open(f"/proc/{pid}/smaps_rollup") as f:
        fields = dict(line.split(":", 1) for line in f if ":" in line and not line.startswith(("0", "7", "f")))
    return {key: int(fields[key].split()[0]) * 1024 for key in ("Rss", "Anonymous")}


class Soak(unittest.TestCase):
    def test_thousand_derivations_and_copies(self):
        program = RunningProgram()
        self.addCleanup(program.stop)
        KelvaroWindow().fill_in("soak-user", "soak-master")
        # Wine's launcher may match too; the program is the larger process.
        pids = subprocess.run(["pgrep", "-f", r"kelvaro\.exe"], capture_output=True, text=True).stdout.split()
        pid = max(pids, key=lambda p: linux_memory(p)["Rss"])

        driver = subprocess.Popen(["wine", PROBE_EXE, "soak", str(CYCLES)], stdout=subprocess.PIPE, text=True)
        checkpoints = []
        # A fixed number of lines, not until the end of the pipe: a Wine service
        # started meanwhile may hold the pipe open.
        for _ in range(1 + CYCLES // 100):
            figures = json.loads(driver.stdout.readline())
            figures.update(linux_memory(pid))
            checkpoints.append(figures)
            print(f"cycle {figures['cycle']:5}: working set {figures['working_set'] / MEBIBYTE:6.2f} MiB, "
                  f"resident {figures['Rss'] / MEBIBYTE:6.2f} MiB, anonymous {figures['Anonymous'] / MEBIBYTE:6.2f} "
                  f"MiB, GDI objects {figures['gdi_objects']}, USER objects {figures['user_objects']}")
        self.assertEqual(driver.wait(timeout=300), 0)
        driver.stdout.close()
        self.assertEqual([c["cycle"] for c in checkpoints], [1, *range(100, CYCLES + 1, 100)])

        last_password = oracle.password("soak-user", "soak-master", f"soak-{CYCLES}")
        self.assertEqual(checkpoints[-1]["shown"], last_password)
        wait_until(lambda: x_clipboard_text() == last_password, "the last password on the clipboard")
        self.assertTrue(program.running())
        self.assertEqual(error_boxes(), [])

        # From the 100th cycle on, after warming up, nothing may grow beyond noise.
        warm, end = checkpoints[1], checkpoints[-1]
        self.assertLess(end["Anonymous"] - warm["Anonymous"], 2 * MEBIBYTE)
        self.assertLess(end["working_set"] - warm["working_set"], 2 * MEBIBYTE)
        # Wine reports no GDI or USER object counts (always 0); Windows does.
        self.assertLessEqual(end["gdi_objects"], warm["gdi_objects"])
        self.assertLessEqual(end["user_objects"], warm["user_objects"])
        if end["gdi_objects"] == 0:
            print("GDI and USER object counts: not reported by this system (Wine answers 0)")


if __name__ == "__main__":
    unittest.main(verbosity=2)
