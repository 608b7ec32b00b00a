#!/usr/bin/env bash
# Times adding 200 short files to the file list (the code Add Folder runs),
# once with one duration probe at a time and once with one per core, and
# prints both times and their ratio.
#
# Usage: bench/add_files_benchmark.sh [count] [rounds]
# BENCH_BUILD_DIR chooses the build folder (default build-bench).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD_DIR:-$root/build-bench}
jobs=${JOBS:-$(nproc)}

if grep -qs 'add_subdirectory(bench)' "$root/CMakeLists.txt"; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUAVERO_BUILD_TESTS=OFF >/dev/null
else
  # The benchmarks are not part of the main build: a small project adds them
  # next to it.
  wrapper=$build/bench-project
  mkdir -p "$wrapper"
  cat >"$wrapper/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(QuaveroBenchmarks LANGUAGES CXX)
add_subdirectory("$root" quavero)
add_subdirectory("$root/bench" bench)
CMAKE
  cmake -S "$wrapper" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUAVERO_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j "$jobs" --target bench_add_files >/dev/null

# A throw-away HOME: the program's settings and work folder stay untouched.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME=$home XDG_CONFIG_HOME=$home/.config QT_QPA_PLATFORM=offscreen \
  "$build/bin/bench_add_files" "${1:-200}" "${2:-3}"
