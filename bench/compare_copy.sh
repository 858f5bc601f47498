#!/usr/bin/env bash
# Times `tessarine-cli ics 1901 2050` against `cp -r` of its own output and
# against the durable floor (write, fsync, rename of the same files), in
# paired rounds: each round runs all three back to back into fresh folders
# under FOLDER (default /dev/shm, a tmpfs; give a folder on a disk for the
# on-disk figure). Prints each one's median and the medians of the per-round
# ratios. Usage: bench/compare_copy.sh [FOLDER] [ROUNDS]
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
now() { date +%s%N; }
for round in $(seq "$rounds"); do
  rm -rf "$work/ours" "$work/copy" "$work/floor"
  mkdir "$work/ours"
  sync -f "$work/source" 2>/dev/null || true
  a=$(now); "$cli" ics 1901 2050 --output "$work/ours" >/dev/null; b=$(now)
  cp -r "$work/source" "$work/copy"; c=$(now)
  "$floor" "$work/source" "$work/floor"; d=$(now)
  echo "$((b - a)) $((c - b)) $((d - c))"
done | python3 -c '
import statistics, sys
rows = [list(map(int, line.split())) for line in sys.stdin]
ours, copy, floor = (statistics.median(r[i] for r in rows) / 1e6 for i in range(3))
print(f"rounds {len(rows)}: tessarine {ours:.1f} ms, cp -r {copy:.1f} ms, durable floor {floor:.1f} ms")
print("median ratio to cp -r: %.2f" % statistics.median(r[0] / r[1] for r in rows))
print("median ratio to the durable floor: %.2f" % statistics.median(r[0] / r[2] for r in rows))'
