#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times keeping a library in step: a first run of quavero-cli -u over N small
# files in album folders (default 10,000), then a run over the same unchanged
# library, which must find every file up to date without starting a program.
# Prints both times, their ratio, the programs the second run started (counted
# through stand-ins for ffmpeg and sox) and its peak memory.
#
#   bash bench/library_benchmark.sh [path/to/quavero-cli] [files]
#
# Targets: the unchanged run at most 3 s and at most 0.05 of the first; no
# program started.
set -euo pipefail

source "$(dirname "$0")/counting_copy.sh"
bench_setup library 10000 "$@"

# 100 files an album; the audio is one short tone copied.
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=0.2" -ac 2 "$bench/tone.wav"
for ((i = 0; i < files; i++)); do
    album="$bench/library/Artist $((i / 1000))/Album $((i / 100))"
    [[ -d $album ]] || mkdir -p "$album"
    cp "$bench/tone.wav" "$album/$(printf '%02d' $((i % 100))) Track.wav"
done

TIMEFORMAT='%R'
first=$( { time "$bench/bin/quavero-cli" -q -u -r -f mp3 -o "$bench/out" "$bench/library" >/dev/null; } 2>&1 )
: > "$bench/started"
second=$( { time /usr/bin/time -f '%M' -o "$bench/rss" "$bench/bin/quavero-cli" -q -u -r -f mp3 -o "$bench/out" "$bench/library" >/dev/null; } 2>&1 )
started=$(wc -l < "$bench/started")
printf 'first run (converts everything):   %8.2f s\n' "$first"
printf 'unchanged run (all up to date):    %8.2f s  (target <= 3 s)\n' "$second"
awk -v a="$second" -v b="$first" 'BEGIN { printf "unchanged / first:                 %8.4f    (target <= 0.05)\n", a / b }'
echo "programs the unchanged run started: $started (target 0)"
echo "peak memory of the unchanged run:   $(( $(cat "$bench/rss") / 1024 )) MB"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
