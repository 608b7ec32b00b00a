#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test: once as a normal build (with the smoke
# test of the real program under a virtual X server), once with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the concurrency tests
# (the file list's adds, the loudness meter's thread) once with
# ThreadSanitizer. Fails on any failing test and on any sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

root=$PWD
jobs=$(nproc)
# Compiler cache shared by the three builds and by later runs, also from
# another clone on the same machine: paths below the clone are relative and
# the current folder is not part of the key.
export CCACHE_BASEDIR=$root
export CCACHE_NOHASHDIR=true
export QT_QPA_PLATFORM=offscreen

configure() { # <build dir> <cmake options...>
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}

# Every build here is built whole, not edited file by file, so it compiles
# in batches of sources (a unity build): about half the time on two cores.
# (scripts/run.sh keeps the setting the build folder has.)
unity=(-DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=8)
# -O1 keeps the sanitized tests quick without hiding reports; -g1 (line
# tables only) keeps the reports readable and the build lighter.
sanitized=(-DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1" "${unity[@]}")

echo "== build and test =="
configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUAVERO_WERROR=ON "${unity[@]}"
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure --no-tests=error -j "$jobs")

echo "== Debian package =="
bash scripts/package-check.sh build

echo "== AddressSanitizer and UndefinedBehaviorSanitizer =="
# Every report ends the process with a failure status (see also
# -fno-sanitize-recover in CMakeLists.txt), so a report fails its test.
# Leaks of the third-party libraries are suppressed in tests/lsan.supp.
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
configure build-asan "${sanitized[@]}" -DQUAVERO_SANITIZE=address,undefined
cmake --build build-asan -j "$jobs"
(cd build-asan && ctest --output-on-failure --no-tests=error -j "$jobs")
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

echo "== ThreadSanitizer (the file list under concurrent adds, the loudness meter's thread) =="
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$root/tests/tsan.supp"
configure build-tsan "${sanitized[@]}" -DQUAVERO_SANITIZE=thread
cmake --build build-tsan -j "$jobs" --target test_filelist_race test_loudness
(cd build-tsan && ctest --output-on-failure --no-tests=error -L filelist_race)
(cd build-tsan && ctest --output-on-failure --no-tests=error -R '^StreamHeader\.TheBackgroundMeter')
echo "== all tests passed =="
