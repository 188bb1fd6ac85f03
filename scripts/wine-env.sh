# A private, throw-away Wine prefix with one persistent wineserver, so each
# Windows test costs a fraction of a second. Sourced by test.sh after DISPLAY
# is set; ky_wine_stop undoes everything it started.

ky_wine_start() {
  export WINEPREFIX
  WINEPREFIX=$(mktemp -d /tmp/ky-wine.XXXXXX)
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wineboot-stable -i >/dev/null 2>&1
  wineserver-stable -w
  wine-stable reg import "$(pwd)/scripts/wine-settings.reg" >/dev/null 2>&1
  wineserver-stable -w
  wineserver-stable -p
  wine-stable cmd /c exit >/dev/null 2>&1
}

ky_wine_stop() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  wineserver-stable -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
