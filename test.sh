#!/usr/bin/env bash
# Installs what is missing, builds the Linux, sanitizer and Windows
# configurations and runs every test; the Windows tests run under Wine.
# Last, the libFuzzer targets are built with clang and run briefly.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
source scripts/wine-env.sh
ky_install_missing "${KY_TEST_PACKAGES[@]}"

xvfb_pid=""
cleanup() {
  ky_wine_stop
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# One X server for everything that needs a display (Wine, real windows).
display_number=$((90 + RANDOM % 400))
while [ -e "/tmp/.X11-unix/X$display_number" ] || [ -e "/tmp/.X$display_number-lock" ]; do
  display_number=$((display_number + 1))
done
Xvfb ":$display_number" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display_number"

summary=()
run_suite() {
  local name=$1 dir=$2
  echo "== $name: tests"
  if ctest --test-dir "$dir" --output-on-failure 2>&1 | tee "$dir/ctest.log"; then
    summary+=("$name: $(grep -E 'tests passed' "$dir/ctest.log" | tail -1)")
  else
    summary+=("$name: FAILED")
    return 1
  fi
}

status=0

echo "== Linux: build"
cmake -S . -B build/linux -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/linux
run_suite "Linux" build/linux || status=1

echo "== Linux with AddressSanitizer and UndefinedBehaviorSanitizer: build"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKY_SANITIZE=ON -DKY_BUILD_BENCH=OFF >/dev/null
cmake --build build/sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:fast_unwind_on_malloc=0 \
LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite "Linux sanitizers" build/sanitize || status=1

echo "== Windows (MinGW-w64): build"
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/windows
ky_wine_start
run_suite "Windows under Wine" build/windows || status=1

# The real program in a real window: on Linux under the Xvfb above, on
# Windows under Wine's virtual desktop, each driven with xdotool.
run_real_window() {
  local name=$1; shift
  echo "== $name: real window"
  if KY_SHOTS="$(pwd)/build/shots" tests/window/real-window.sh "$@"; then
    summary+=("$name real window: passed")
  else
    summary+=("$name real window: FAILED")
    return 1
  fi
}
run_real_window "Linux" linux build/linux/app/lens-demo || status=1
echo "== Linux: real window at a display scale"
if KY_SHOTS="$(pwd)/build/shots" tests/window/scaled-window.sh build/linux/app/lens-demo; then
  summary+=("Linux real window at scale 2: passed")
else
  summary+=("Linux real window at scale 2: FAILED")
  status=1
fi
run_real_window "Windows under Wine" wine build/windows/app/lens-demo.exe \
  build/windows/tests/window/window-title.exe || status=1

# The .deb as users get it: Release, stripped, its desktop files validated
# and lintian run over it.
echo "== Linux: package"
scripts/build-deb.sh build/release 2>&1 | tee build/release-package.log || status=1
summary+=("$(tail -1 build/release-package.log)")

# Every fuzz target runs for a while on a scratch copy of its seed corpus
# (libFuzzer adds what it finds to the corpus folder it is given); any
# crash, sanitizer report, leak or timeout fails the run, and the input that
# caused it is kept under build/fuzz/findings/.
run_fuzzers() {
  local failed=() replayed=() ran=0 corpus target program budget
  rm -rf build/fuzz/scratch build/fuzz/findings
  mkdir -p build/fuzz/scratch build/fuzz/findings
  for corpus in tests/fuzz/corpus/*/; do
    target=$(basename "$corpus")
    program=$(find build/fuzz/tests -name "$target" -type f -perm -u+x | head -1)
    echo "== Fuzzing: $target"
    cp -r "$corpus" "build/fuzz/scratch/$target"
    ran=$((ran + 1))
    # A target with an open finding only replays its corpus until it is mended.
    budget=-max_total_time=20
    if [ -n "$(ls -A "tests/fuzz/findings/$target" 2>/dev/null)" ]; then
      budget=-runs=0
      replayed+=("$target")
    fi
    if [ -z "$program" ] || ! ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0 \
        LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$program" "$budget" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
          -artifact_prefix="build/fuzz/findings/$target-" "build/fuzz/scratch/$target" \
          >"build/fuzz/scratch/$target.log" 2>&1; then
      tail -40 "build/fuzz/scratch/$target.log"
      failed+=("$target")
    else
      grep -E '^stat::number_of_executed_units' "build/fuzz/scratch/$target.log" || true
    fi
  done
  if [ ${#failed[@]} -eq 0 ]; then
    summary+=("Fuzzing: $ran targets, 20 s each, no findings${replayed:+ (corpus only, open finding: ${replayed[*]})}")
  else
    summary+=("Fuzzing: FAILED (${failed[*]})")
    return 1
  fi
}

echo "== Fuzzing (clang, libFuzzer): build"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKY_SANITIZE=ON -DKY_BUILD_BENCH=OFF \
  -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
if cmake --build build/fuzz --target fuzz_targets; then
  run_fuzzers || status=1
else
  summary+=("Fuzzing: build FAILED")
  status=1
fi

echo
echo "== Summary"
printf '%s\n' "${summary[@]}"
exit $status
