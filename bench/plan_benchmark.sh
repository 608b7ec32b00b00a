#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times writing a job list: quavero-cli --plan over N files in album folders
# (default 100,000), against a dry run (-n) of the same files from the same
# run, which plans the same entries and prints their commands. Prints both
# times, their ratio, the list's size, the peak memory, and the programs the
# planning started: ffmpeg and sox are counted through stand-ins, and every
# program the process executes is counted with strace when it is there.
#
#   bash bench/plan_benchmark.sh [path/to/quavero-cli] [files]
#
# Targets: --plan at most 10 s for 100,000 files; no program started.
set -euo pipefail

source "$(dirname "$0")/counting_copy.sh"
bench_setup plan 100000 "$@"

# 100 files an album, 10 albums an artist; planning reads names and folders
# only, so the files may be empty. Every tenth album holds a pair of inputs
# with the same output name, which the plan numbers.
for ((album = 0; album * 100 < files; album++)); do
    folder="$bench/library/Artist $((album / 10))/Album $album"
    mkdir -p "$folder"
    count=$((files - album * 100 < 100 ? files - album * 100 : 100))
    names=()
    for ((i = 0; i < count; i++)); do
        if ((album % 10 == 0 && i % 2 == 1)); then
            names+=("$folder/$(printf '%02d' $((i - 1))) Track.flac")
        else
            names+=("$folder/$(printf '%02d' "$i") Track.wav")
        fi
    done
    touch "${names[@]}"
done

TIMEFORMAT='%R'
cd "$bench"
dry=$( { time bin/quavero-cli -n -r -f mp3 -o out library > dry.txt; } 2>&1 )
# The dry run asks ffmpeg about the inputs' streams; only --plan's starts count.
: > started
plan=$( { time /usr/bin/time -f '%M' -o rss bin/quavero-cli -q --plan jobs.jsonl -r -f mp3 -o out library; } 2>&1 )
started=$(wc -l < started)
lines=$(wc -l < jobs.jsonl)
printf 'dry run -n (baseline):          %8.2f s\n' "$dry"
printf 'job list --plan:                %8.2f s  (target <= 10 s)\n' "$plan"
awk -v a="$plan" -v b="$dry" 'BEGIN { printf "--plan / dry run:               %8.2f\n", a / b }'
echo "jobs in the list:               $((lines - 1)) of $files files ($(($(stat -c %s jobs.jsonl) / 1024)) KB)"
echo "peak memory of --plan:          $(($(cat rss) / 1024)) MB"
echo "ffmpeg and sox started:         $started (target 0)"
if command -v strace > /dev/null; then
    rm -f jobs.jsonl
    strace -f -qq -e trace=execve -o execs bin/quavero-cli -q --plan jobs.jsonl -r -f mp3 -o out library
    echo "programs executed by --plan:    $(($(grep -c 'execve(' execs) - 1)) (target 0; strace)"
fi
[[ -d out ]] && echo "the output folder was made: planning must write nothing there" || true
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
