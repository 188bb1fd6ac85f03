#!/usr/bin/env bash
# Installs what is missing, builds the Linux program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ky_install_missing "${KY_RUN_PACKAGES[@]}"

cmake -S . -B build/linux -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKY_BUILD_BENCH=OFF >/dev/null
cmake --build build/linux --target all

program=build/linux/app/lens-demo
if [ ! -x "$program" ]; then
  echo "There is nothing to start yet: the program itself has not been built in this version."
  exit 0
fi
exec "$program" "$@"
