#!/usr/bin/env bash
# Drives the real program in a real window and checks what it shows.
#
#   real-window.sh linux build/linux/app/lens-demo
#   real-window.sh wine  build/windows/app/lens-demo.exe build/windows/tests/window/window-title.exe
#
# Needs DISPLAY (an X server without a window manager, as test.sh starts) and
# for wine a prefix with its wineserver running (scripts/wine-env.sh). The
# window fills the screen (it starts maximised); the checks find the scene by
# its own marks (screen.py), so the Linux window and the Windows one inside
# Wine's virtual desktop are checked alike. Screenshots stay in $KY_SHOTS
# (default: a temporary directory) for a person to look at.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
kind=$1
program=$2
title_helper=${3:-}
shots=${KY_SHOTS:-$(mktemp -d /tmp/ky-shots.XXXXXX)}
mkdir -p "$shots"

failures=0
pass() { echo "ok   $kind: $*"; }
fail() { echo "FAIL $kind: $*"; failures=$((failures + 1)); }

# Without any display there is no window to wait for: one line, non-zero.
if [ "$kind" = linux ]; then
  no_display=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$program" 2>&1 >/dev/null)
  code=$?
  lines=$(printf '%s' "$no_display" | grep -c .)
  if [ "$code" -ne 0 ] && [ "$code" -ne 124 ] && [ "$lines" -eq 1 ]; then
    pass "without a display: \"$no_display\", exit code $code"
  else
    fail "without a display: exit code $code (124: still waiting after 10 s), $lines lines on stderr"
  fi
fi

case $kind in
  linux) "$program" 2> >(tee "$shots/$kind-stderr.txt" >&2) & ;;
  wine) wine-stable "$program" & ;;
  *) echo "usage: $0 linux|wine PROGRAM [TITLE-HELPER]" >&2; exit 2 ;;
esac
pid=$!

finish() {
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  fi
}
trap finish EXIT

shot() {
  import -window root -depth 8 "$shots/$kind-$1.ppm"
  import -window root "$shots/$kind-$1.png"
  echo "$shots/$kind-$1.ppm"
}

# The X window that takes the keyboard: the program's own on Linux, the
# virtual desktop under Wine.
x_window=""
title=""
for _ in $(seq 1 100); do
  if [ "$kind" = linux ]; then
    x_window=$(xdotool search --name '1\.6' 2>/dev/null | head -1)
    [ -n "$x_window" ] && title=$(xdotool getwindowname "$x_window")
  else
    x_window=$(xdotool search --name 'Wine desktop' 2>/dev/null | head -1)
    [ -n "$x_window" ] && title=$(wine-stable "$title_helper" 2>/dev/null | tr -d '\r')
  fi
  [ -n "$title" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
if [ -z "$title" ]; then
  fail "no main window appeared"
  exit 1
fi
case $title in
  *"（1.6）:") pass "title \"$title\"" ;;
  *) fail "title \"$title\" does not end in （1.6）:" ;;
esac

# Let the first frames settle (the mode is applied on the first turn of the loop).
sleep 1.5
xdotool windowfocus --sync "$x_window" 2>/dev/null || xdotool windowfocus "$x_window"
first=$(shot start)
if python3 "$here/screen.py" ray "$first"; then pass "ray colour on the central ray"; else fail "ray colour"; fi
read -r _ vl vt vw vh _ lens _ axis _ ex ey _ ux uy <<<"$(python3 "$here/screen.py" locate "$first")"
echo "     view at ($vl, $vt) $vw x $vh, lens $lens, axis $axis"
before=$(python3 "$here/screen.py" image-pixels "$first")

# Ten steps of 0.5 cm take the candle from 15 cm to the focal point (10 cm).
for _ in $(seq 1 10); do
  xdotool key --window "$x_window" Right 2>/dev/null || xdotool key Right
  sleep 0.1
done
sleep 0.7
after=$(python3 "$here/screen.py" image-pixels "$(shot focal-point)")
if [ "$before" -gt 500 ] && [ "$after" -lt 20 ]; then
  pass "image picture gone at the focal point ($before -> $after pixels)"
else
  fail "image picture at the focal point: $before -> $after pixels"
fi

# A focal length of 2 cm is refused with a red message in the status strip.
xdotool mousemove "$ex" "$ey" click 1
sleep 0.3
xdotool key End
for _ in $(seq 1 8); do xdotool key BackSpace; done
xdotool type 2
sleep 0.2
xdotool mousemove "$ux" "$uy" click 1
# The message blinks twice at 500 ms and then stays red.
sleep 2.5
if python3 "$here/screen.py" red-status "$(shot refused)"; then
  pass "red message for a focal length of 2"
else
  fail "no red message for a focal length of 2"
fi

xdotool windowfocus "$x_window" 2>/dev/null
xdotool key alt+F4
code=""
for _ in $(seq 1 50); do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    code=$?
    break
  fi
  sleep 0.2
done
if [ "$code" = 0 ]; then pass "Alt+F4 ends the program with 0"; else fail "Alt+F4: exit code '${code:-still running}'"; fi

echo "     screenshots in $shots"
exit $((failures > 0))
