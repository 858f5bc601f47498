#!/usr/bin/env bash
# Times `tessarine-cli ics 1901 2050` against `cp -r` of its own output and
# against the durable floor (write, fsync, rename of the same files), in
# paired rounds: each round runs all three back to back into fresh folders
# under FOLDER (default /dev/shm, a tmpfs; give a folder on a disk for the
# on-disk figure), each of the three running first in turn. Each run is
# timed from its start to its exit by the timing process itself, as
# hyperfine does, so no helper process is counted in either side. Prints
# each one's median and the medians of the per-round ratios.
# Usage: bench/compare_copy.sh [FOLDER] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-/dev/shm}
rounds=${2:-40}
cli=${TESSARINE_CLI:-build/cli/tessarine-cli}
floor=${TESSARINE_FLOOR:-build/bench/tessarine-durable-floor}
work=$(mktemp -d "$folder/tessarine-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/source"
"$cli" ics 1901 2050 --output "$work/source" >/dev/null
python3 - "$work" "$rounds" "$cli" "$floor" <<'EOF'
import os, shutil, statistics, subprocess, sys, time

work, rounds, cli, floor = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
source = os.path.join(work, "source")
ours, copy, lowest = (os.path.join(work, name) for name in ("ours", "copy", "floor"))

def timed(command):
    start = time.perf_counter_ns()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
    return time.perf_counter_ns() - start

commands = ([cli, "ics", "1901", "2050", "--output", ours], ["cp", "-r", source, copy], [floor, source, lowest])
rows = []
for round in range(rounds):
    for path in (ours, copy, lowest):
        shutil.rmtree(path, ignore_errors=True)
    os.mkdir(ours)
    os.sync()
    # Each takes its turn at running first, just after the clean-up, which
    # leaves the kernel freeing the last round's files for a while.
    times = [0, 0, 0]
    for turn in range(3):
        which = (round + turn) % 3
        times[which] = timed(commands[which])
    rows.append(times)

mine, theirs, durable = (statistics.median(r[i] for r in rows) / 1e6 for i in range(3))
print(f"rounds {len(rows)}: tessarine {mine:.1f} ms, cp -r {theirs:.1f} ms, durable floor {durable:.1f} ms")
print("median ratio to cp -r: %.2f" % statistics.median(r[0] / r[1] for r in rows))
print("median ratio to the durable floor: %.2f" % statistics.median(r[0] / r[2] for r in rows))
EOF
