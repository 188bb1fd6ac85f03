#!/usr/bin/env bash
# Installs what is missing, builds the Linux program alone (no tests, no
# benchmarks), optimised and stripped, and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ky_install_missing "${KY_RUN_PACKAGES[@]}"

# Its own build folder, so it never fights the test build in build/linux.
build=build/run
echo "Building lens-demo (Release, stripped) in $build; the first build takes a minute or two..."
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKY_BUILD_BENCH=OFF \
  -DCMAKE_EXE_LINKER_FLAGS=-s >/dev/null
cmake --build "$build" --target lens-demo

program=$build/app/lens-demo
if [ ! -x "$program" ]; then
  echo "There is nothing to start yet: the program itself has not been built in this version."
  exit 0
fi
exec "$program" "$@"
