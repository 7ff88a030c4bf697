#!/usr/bin/env bash
# Builds everything and runs every test: the art generator's own tests, then the
# game's tests in the normal build (under CTest, then all in one process) and
# once under AddressSanitizer and UndefinedBehaviorSanitizer. Headless: no window, no sound.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-dummy}"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

bash "$ROOT/scripts/setup.sh"
# The tests of a window destroyed from outside run the game on a virtual X screen.
if ! command -v Xvfb >/dev/null 2>&1; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Xvfb is missing and this is not root: run as root (or install xvfb)" >&2
    exit 1
  fi
  echo "Installing: xvfb"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq xvfb >/dev/null
fi
JOBS="$(nproc)"

echo "== Art generator tests =="
/usr/bin/python3 "$ROOT/assetgen/tests/run.py"

echo "== Tests =="
(cd "$ROOT/build" && ctest --output-on-failure -j"$JOBS" --timeout 300)

echo "== The whole test program as one process =="
# Every test must leave the process as it found it, so the program also
# passes when all tests share one process, in a shuffled order.
(cd "$ROOT/build" && ./corvalo_tests --gtest_brief=1 --gtest_shuffle --gtest_random_seed=2026)

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake -S "$ROOT" -B "$ROOT/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DCORVALO_SANITIZE=ON -DCORVALO_BENCH=OFF >/dev/null
cmake --build "$ROOT/build-sanitize" -j"$JOBS" --target corvalo_tests
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd "$ROOT/build-sanitize" && ctest --output-on-failure -j"$JOBS" --timeout 600)
