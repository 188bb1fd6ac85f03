#!/usr/bin/env bash
# Start to first frame and peak RSS of the real program beside the anchor (the
# least a program on our stack does to show a comparable first frame), under
# the X server in DISPLAY (for example an Xvfb without a window manager).
# The two alternate in one run, so a busy machine slows both alike.
#
#   bench/startup.sh build/run/app/lens-demo
#   bench/startup.sh wine-stable build/windows/app/lens-demo.exe   (in a ready Wine prefix)
#
# Prints each run, both medians with their peak RSS, and the ratio of the
# program's median to the anchor's. The anchor is compiled from
# ../shared/bench/anchor.c beside the repository; without it only the program
# is measured. Under Wine the RSS is that of the program's own process
# (wineserver and the desktop process not counted).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runs=${KY_RUNS:-7}
work=$(mktemp -d /tmp/ky-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
c++ -O2 -std=c++20 -o "$work/first-frame" "$here/FirstFrame.cpp" -lX11 -lXext -lXdamage

anchor_source=$here/../../shared/bench/anchor.c
anchor=()
if [ -f "$anchor_source" ]; then
  # shellcheck disable=SC2046
  cc -O2 -o "$work/anchor" "$anchor_source" $(pkg-config --cflags --libs sdl2 pangocairo cairo)
  anchor=("$work/anchor")
else
  echo "No anchor at $anchor_source: measuring the program alone."
fi

: > "$work/anchor.txt"
: > "$work/program.txt"
for i in $(seq 1 "$runs"); do
  if [ ${#anchor[@]} -gt 0 ]; then
    line=$("$work/first-frame" "${anchor[@]}")
    echo "run $i anchor:  ${line% *} ms, ${line#* } KiB"
    echo "$line" >> "$work/anchor.txt"
    sleep 0.5
  fi
  line=$("$work/first-frame" "$@")
  echo "run $i program: ${line% *} ms, ${line#* } KiB"
  echo "$line" >> "$work/program.txt"
  sleep 0.5
done

python3 - "$work/anchor.txt" "$work/program.txt" <<'PY'
import sys, statistics
def load(path):
    rows = [tuple(map(float, l.split())) for l in open(path) if l.strip()]
    return [r[0] for r in rows], [r[1] / 1024 for r in rows]
medians = {}
for name, path in (("anchor", sys.argv[1]), ("program", sys.argv[2])):
    ms, mb = load(path)
    if not ms:
        continue
    medians[name] = (statistics.median(ms), statistics.median(mb))
    print("%-8s first frame: median %.1f ms (min %.1f, max %.1f); peak RSS median %.1f MB"
          % (name, medians[name][0], min(ms), max(ms), medians[name][1]))
if len(medians) == 2:
    (a_ms, a_mb), (p_ms, p_mb) = medians["anchor"], medians["program"]
    print("program / anchor: %.2f x the time, %+.1f MB RSS" % (p_ms / a_ms, p_mb - a_mb))
PY
