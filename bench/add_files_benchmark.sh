#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times adding files to the file list (the code Add Folder and dropped folders
# run): 600 short files added with lone probes one after the other, lone
# probes one per core and batched probes, with the ratios; then a folder of
# 10,000 files: time until the table shows them all, memory, and the time of
# sorting, Remove and Clear on the full list.
#
# Usage: bench/add_files_benchmark.sh [count] [rounds] [big-count]
# BENCH_BUILD_DIR chooses the build folder (default build-bench).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD_DIR:-$root/build-bench}
jobs=${JOBS:-$(nproc)}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUAVERO_BUILD_TESTS=OFF \
  -DQUAVERO_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j "$jobs" --target bench_add_files >/dev/null

# A throw-away HOME: the program's settings and work folder stay untouched.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
run() {
  HOME=$home XDG_CONFIG_HOME=$home/.config QT_QPA_PLATFORM=offscreen "$build/bin/bench_add_files" "$@"
}
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
run probes "${1:-600}" "${2:-1}"
echo
run big "${3:-10000}"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
