"""Runs the derivation fuzzer for a bounded time and checks that it ran at
least a million inputs without a finding. Prints libFuzzer's figures.

Usage: run_fuzzer.py FUZZER [SECONDS] [MINIMUM_RUNS]
"""
import re
import subprocess
import sys
import tempfile

fuzzer = sys.argv[1]
seconds = int(sys.argv[2]) if len(sys.argv) > 2 else 60
minimum_runs = int(sys.argv[3]) if len(sys.argv) > 3 else 1_000_000

with tempfile.TemporaryDirectory() as corpus:
    result = subprocess.run([fuzzer, f"-max_total_time={seconds}", "-max_len=1024", "-print_final_stats=1",
                             "-seed=1", corpus], capture_output=True, text=True)
output = result.stdout + result.stderr
done = re.search(r"Done (\d+) runs in (\d+) second", output)
print("\n".join(line for line in output.splitlines() if line.startswith(("Done", "stat::", "INFO: Seed"))))
if result.returncode != 0 or done is None:
    print(output[-5000:])
    sys.exit(f"the fuzzer failed (exit code {result.returncode})")
runs, elapsed = int(done.group(1)), int(done.group(2))
print(f"{runs} runs in {elapsed} s, {runs // max(elapsed, 1)} per second")
if runs < minimum_runs:
    sys.exit(f"only {runs} runs, fewer than {minimum_runs}")
