#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times quavero-cli against a plain shell loop that runs the same ffmpeg (and
# sox) commands one after the other, on 24 generated ten-second WAV files:
# to .MP3, and to .WAV with an effect (the sox stage). The loop's commands are
# the ones quavero-cli --dry-run prints, so both do exactly the same work.
# Then the cost of copying tags: 12 tagged 30-second MP3 files with a 500 KB
# cover, to .FLAC and to .OGG, with and without --no-tags (several rounds,
# alternating, medians compared).
#
#   bash bench/cli_benchmark.sh [path/to/quavero-cli] [tags]
#
# With "tags" only the tag measurement runs.
#
# Targets on a 2-core machine: -j 1 within 1.05 of the loop, -j 2 at most 0.6;
# copying tags adds at most 3 % (ratio <= 1.03).
# Figures are noisy when other work runs on the machine; the cpu column (user
# + system time of all the programs run) shows whether quavero-cli adds work.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-}
part=${2:-all}
if [[ -z $cli ]]; then
    for candidate in "$here"/build/bin/quavero-cli "$here"/build/src/quavero-cli "$here"/build-*/bin/quavero-cli; do
        if [[ -x $candidate ]]; then cli=$candidate; break; fi
    done
fi
if [[ -z $cli || ! -x $cli ]]; then
    echo "quavero-cli not found: build it (cmake --build build --target quavero-cli) or give its path" >&2
    exit 1
fi
files=24
seconds=10

bench=$(mktemp -d "${TMPDIR:-/tmp}/quavero-cli-bench-XXXXXX")
trap 'rm -rf "$bench"' EXIT
mkdir -p "$bench/in" "$bench/tmp"
echo "quavero-cli: $cli"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

TIMEFORMAT='%R %U %S'
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
# "<wall> <cpu>" seconds of a command and the programs it runs.
timed() {
    local t
    t=$( { time "$@" >/dev/null 2>&1; } 2>&1 ) || { echo "failed: $*" >&2; exit 1; }
    awk '{ printf "%.3f %.3f", $1, $2 + $3 }' <<<"$t"
}

# Runs the dry-run commands of quavero-cli one after the other. Its private
# temporary folder is gone when it exits, so the intermediate files go to a
# folder of the loop's own.
prepare_loop() {
    local out=$1; shift
    local work="$bench/loop-work"
    rm -rf "$work" "$out"; mkdir -p "$work" "$out"
    TMPDIR="$bench/tmp" "$cli" -n -o "$out" "$@" "$bench/in" \
        | sed "s#$bench/tmp/quavero-cli-[A-Za-z0-9]*#$work#g" > "$bench/commands.sh"
}
run_loop() {
    while IFS= read -r line; do
        eval "$line" </dev/null
    done < "$bench/commands.sh"
}
run_cli() {
    local jobs=$1 out=$2; shift 2
    rm -rf "$out"
    TMPDIR="$bench/tmp" "$cli" -q -j "$jobs" -o "$out" "$@" "$bench/in"
}

count() { find "$1" -type f | wc -l; }

line() {
    local name=$1 wall=$2 cpu=$3 loop_wall=$4 target=$5
    if [[ -z $target ]]; then
        printf '  %-26s %7.2f s  (cpu %6.2f s)\n' "$name" "$wall" "$cpu"
    else
        printf '  %-26s %7.2f s  (cpu %6.2f s)  ratio %s (target <= %s)\n' "$name" "$wall" "$cpu" \
            "$(ratio "$wall" "$loop_wall")" "$target"
    fi
}

measure() {
    local title=$1 loop_name=$2; shift 2
    local loop one two
    prepare_loop "$bench/out-loop" "$@"
    loop=$(timed run_loop)
    one=$(timed run_cli 1 "$bench/out-1" "$@")
    two=$(timed run_cli 2 "$bench/out-2" "$@")
    for out in out-loop out-1 out-2; do
        if [[ $(count "$bench/$out") -ne $files ]]; then
            echo "$title: $out holds $(count "$bench/$out") files instead of $files" >&2
            exit 1
        fi
    done
    echo "$title"
    line "$loop_name" $loop "" ""
    line "quavero-cli -j 1" $one "${loop%% *}" 1.05
    line "quavero-cli -j 2" $two "${loop%% *}" 0.60
}

if [[ $part != tags ]]; then
echo "cores: $(nproc); generating $files WAV files of $seconds s..."
for i in $(seq -w 1 $files); do
    ffmpeg -v error -nostdin -f lavfi -i "sine=frequency=$((200 + 10 * 10#$i)):sample_rate=44100:duration=$seconds" \
        -ac 2 -c:a pcm_s16le "$bench/in/track $i.wav"
done
measure "to .MP3 (default options)" "shell loop of ffmpeg" -f mp3
measure "to .WAV with speed 1.25" "shell loop of ffmpeg + sox" -f wav --set speed=1.25
fi

# ---- tags: the same conversions with and without --no-tags ----
tagged_files=12
tagged_seconds=30
rounds=5
mkdir -p "$bench/tagged"
ffmpeg -v error -nostdin -f lavfi -i "nullsrc=s=900x900,geq=lum='random(1)*255':cb=128:cr=128" \
    -frames:v 1 -q:v 3 "$bench/cover.jpg"
echo "generating $tagged_files tagged MP3 files of $tagged_seconds s with a $(($(stat -c %s "$bench/cover.jpg") / 1024)) KB cover..."
for i in $(seq -w 1 $tagged_files); do
    ffmpeg -v error -nostdin -f lavfi -i "sine=frequency=$((300 + 10 * 10#$i)):sample_rate=44100:duration=$tagged_seconds" \
        -i "$bench/cover.jpg" -map 0 -map 1 -ac 2 -c:a libmp3lame -b:a 192k -c:v copy -disposition:v attached_pic \
        -metadata:s:v comment="Cover (front)" -metadata title="Track $i" -metadata artist="Quavero Ensemble" \
        -metadata album="Fünf Stücke" -metadata track="$i/$tagged_files" -metadata date=2024 \
        "$bench/tagged/track $i.mp3"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
run_tagged() {
    local out=$1; shift
    rm -rf "$out"
    TMPDIR="$bench/tmp" "$cli" -q -j 2 -o "$out" "$@" "$bench/tagged"
}
measure_tags() {
    local format=$1 with=() without=() t
    for ((r = 0; r < rounds; r++)); do
        t=$(timed run_tagged "$bench/out-tags" -f "$format"); with+=("${t%% *}")
        t=$(timed run_tagged "$bench/out-notags" -f "$format" --no-tags); without+=("${t%% *}")
    done
    if [[ $(count "$bench/out-tags") -ne $tagged_files || $(count "$bench/out-notags") -ne $tagged_files ]]; then
        echo "to .$format: an output is missing" >&2
        exit 1
    fi
    local w n
    w=$(printf '%s\n' "${with[@]}" | median)
    n=$(printf '%s\n' "${without[@]}" | median)
    echo "tags to .${format^^} (-j 2, median of $rounds rounds)"
    printf '  %-26s %7.2f s\n' "with --no-tags" "$n"
    printf '  %-26s %7.2f s  ratio %s (target <= 1.03)\n' "copying tags and cover" "$w" "$(ratio "$w" "$n")"
}
measure_tags flac
measure_tags ogg
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
