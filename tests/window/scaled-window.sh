#!/usr/bin/env bash
# The real program at a display scale: maximised on a 2560 x 1600 screen
# with --scale 2 it must show the scene it shows on 1280 x 800 at scale 1,
# twice the size. Starts its own X servers (each screen size needs one) on
# free display numbers and stops them by PID.
#
#   scaled-window.sh build/linux/app/lens-demo
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
shots=${KY_SHOTS:-$(mktemp -d /tmp/ky-shots.XXXXXX)}
mkdir -p "$shots"

# shot WIDTH HEIGHT SCALE: prints the scene's marks as screen.py finds them.
shot() {
  local number=$((500 + RANDOM % 400))
  while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
  Xvfb ":$number" -screen 0 "$1x$2x24" -nolisten tcp >/dev/null 2>&1 &
  local server=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done
  DISPLAY=":$number" env -u GDK_SCALE "$program" --scale "$3" &
  local app=$!
  local file="$shots/scaled-$1x$2-at-$3.ppm" marks=""
  # Until the scene is there (lens and axis found), then once more when it has settled.
  for _ in $(seq 40); do
    sleep 0.5
    DISPLAY=":$number" import -window root -depth 8 "$file"
    marks=$(python3 "$here/screen.py" locate "$file" 2>/dev/null)
    read -r _ _ _ _ _ _ lens _ axis _ <<<"$marks"
    if [ "${lens:-0}" -gt 0 ] && [ "${axis:-0}" -gt 0 ]; then
      sleep 1
      DISPLAY=":$number" import -window root -depth 8 "$file"
      marks=$(python3 "$here/screen.py" locate "$file")
      break
    fi
  done
  kill "$app" 2>/dev/null; wait "$app" 2>/dev/null
  kill "$server" 2>/dev/null; wait "$server" 2>/dev/null
  echo "$marks"
}

plain=($(shot 1280 800 1))
double=($(shot 2560 1600 2))
[ "${plain[6]:-0}" -gt 0 ] || { echo "FAIL scaled: no scene at scale 1"; exit 1; }
[ "${double[6]:-0}" -gt 0 ] || { echo "FAIL scaled: no scene at scale 2"; exit 1; }
# Fields: view LEFT TOP WIDTH HEIGHT lens X axis Y ...; each within one
# screen pixel of twice its value at scale 1.
failures=0
for i in 1 2 3 4 6 8; do
  want=$((2 * ${plain[i]}))
  got=${double[i]}
  if [ $((got - want)) -gt 1 ] || [ $((want - got)) -gt 1 ]; then
    echo "FAIL scaled: ${plain[*]:0:9} at scale 1 but ${double[*]:0:9} at scale 2 (field $i)"
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] && echo "ok   scaled: the scene at scale 2 is the one at scale 1, twice the size (${double[*]:0:9})"
exit "$failures"
