"""Prints figures for the Windows program under Wine: the time from start to
a visible window, for kelvaro.exe and for the least Win32 window program, in
one run; the executables' sizes; the running window's memory.

Usage (in an X display, with WINEPREFIX prepared):
  window_benchmark.py KELVARO_EXE BARE_WINDOW_EXE PROBE_EXE KELVARO_CLI_EXE
"""
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

KELVARO, BARE, PROBE, CLI = sys.argv[1:5]
RUNS = 7


def seconds_to_visible_window(exe, title):
    start = time.monotonic()
    program = subprocess.Popen(["wine", exe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", f"^{title}$"],
                   stdout=subprocess.DEVNULL, check=True, timeout=60)
    elapsed = time.monotonic() - start
    subprocess.run(["xdotool", "key", "alt+F4"], check=True)
    program.wait(timeout=30)
    return elapsed


def smaps_rollup(pid):
    """Memory figures of a Linux process, in KiB."""
    with open(f"/proc/{pid}/smaps_rollup") as f:
        return {k: int(v.split()[0]) for k, v in (line.split(":", 1) for line in f if ":" in line[:20])}


def main():
    times = {"kelvaro.exe": [], "bare Win32 window": []}
    for _ in range(RUNS):  # interleaved, so both meet the same machine
        times["kelvaro.exe"].append(seconds_to_visible_window(KELVARO, "Kelvaro"))
        times["bare Win32 window"].append(seconds_to_visible_window(BARE, "BareWindow"))
    print(f"Start to visible window under Wine, median of {RUNS} (min-max):")
    for name, values in times.items():
        print(f"  {name:20} {statistics.median(values) * 1000:7.0f} ms  "
              f"({min(values) * 1000:.0f}-{max(values) * 1000:.0f} ms)")

    print("Executable sizes:")
    for path in (KELVARO, CLI, BARE):
        print(f"  {os.path.basename(path):20} {os.path.getsize(path) / 1024:7.0f} KiB")

    program = subprocess.Popen(["wine", KELVARO], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Kelvaro$"],
                   stdout=subprocess.DEVNULL, check=True, timeout=60)
    time.sleep(1)
    # Through a file: a Wine service started meanwhile would hold a pipe open.
    with tempfile.TemporaryFile() as output:
        subprocess.run(["wine", PROBE, "memory"], stdout=output, check=True, timeout=60)
        output.seek(0)
        figures = json.loads(output.read())
    # Wine's launcher matches too; the program is the larger process.
    pids = subprocess.run(["pgrep", "-f", r"kelvaro\.exe"], capture_output=True, text=True).stdout.split()
    rollup = max((smaps_rollup(pid) for pid in pids), key=lambda r: r["Rss"])
    print("Running window's memory:")
    print(f"  working set (Windows view)   {figures['working_set'] / 2**20:6.1f} MiB")
    print(f"  resident (Linux view)        {rollup['Rss'] / 1024:6.1f} MiB, of it private "
          f"{(rollup['Private_Clean'] + rollup['Private_Dirty']) / 1024:.1f} MiB")
    subprocess.run(["xdotool", "key", "alt+F4"], check=True)
    program.wait(timeout=30)


if __name__ == "__main__":
    main()
