#!/usr/bin/env bash
# Builds the .deb from a Release configuration with stripped binaries and
# checks it: the menu entry, the software-centre record and the package.
# Prints one summary line last; exits non-zero when a check reports an error.
# Usage: scripts/build-deb.sh [build folder, default build/release]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
app_id=org.example.LensDemo

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKY_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target lens-demo lens-demo-changelog
(cd "$build" && cpack -G DEB -D CPACK_STRIP_FILES=ON >/dev/null)
deb=$(ls -t "$build"/lens-demo_*.deb | head -1)

failed=()
desktop-file-validate "app/desktop/$app_id.desktop" || failed+=(desktop-file-validate)
appstreamcli validate --no-net "app/desktop/$app_id.metainfo.xml" || failed+=("appstreamcli validate")
# lintian's warnings are listed but only its errors fail the check.
lintian_log="$build/lintian.log"
lintian --tag-display-limit 0 "$deb" >"$lintian_log" 2>&1 || true
cat "$lintian_log"
grep -q '^E: ' "$lintian_log" && failed+=(lintian)

warnings=$(grep -c '^W: ' "$lintian_log" || true)
if [ ${#failed[@]} -eq 0 ]; then
  echo "Linux package $(basename "$deb"): desktop entry, metainfo and lintian passed ($warnings lintian warnings)"
else
  echo "Linux package $(basename "$deb"): FAILED: ${failed[*]}"
  exit 1
fi
