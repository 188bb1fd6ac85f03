#!/usr/bin/env bash
# Start to first frame and peak RSS of the real program, over ten runs, under
# the X server in DISPLAY (for example an Xvfb without a window manager).
#
#   bench/startup.sh build/linux/app/lens-demo
#   bench/startup.sh wine-stable build/windows/app/lens-demo.exe   (in a ready Wine prefix)
#
# Prints each run and the median, minimum and maximum. Under Wine the RSS is
# that of the program's own process (wineserver and the desktop process not
# counted).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runs=${KY_RUNS:-10}
work=$(mktemp -d /tmp/ky-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
c++ -O2 -std=c++20 -o "$work/first-frame" "$here/FirstFrame.cpp" -lX11

results=()
for i in $(seq 1 "$runs"); do
  line=$("$work/first-frame" "$@")
  echo "run $i: ${line% *} ms, ${line#* } KiB"
  results+=("$line")
  sleep 0.5
done
printf '%s\n' "${results[@]}" | python3 -c '
import sys, statistics
rows = [tuple(map(float, l.split())) for l in sys.stdin if l.strip()]
ms = [r[0] for r in rows]; kib = [r[1] for r in rows]
print("start to first frame: median %.1f ms (min %.1f, max %.1f)" % (statistics.median(ms), min(ms), max(ms)))
print("peak RSS: median %.1f MB (min %.1f, max %.1f)" % (statistics.median(kib) / 1024, min(kib) / 1024, max(kib) / 1024))
'
