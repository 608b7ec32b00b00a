#!/bin/bash
# Times quavero-cli against a plain shell loop that runs the same ffmpeg (and
# sox) commands one after the other, on 24 generated ten-second WAV files:
# to .MP3, and to .WAV with an effect (the sox stage). The loop's commands are
# the ones quavero-cli --dry-run prints, so both do exactly the same work.
#
#   bash bench/cli_benchmark.sh [path/to/quavero-cli]
#
# Targets on a 2-core machine: -j 1 within 1.05 of the loop, -j 2 at most 0.6.
# Figures are noisy when other work runs on the machine.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-}
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
echo "cores: $(nproc); generating $files WAV files of $seconds s..."
for i in $(seq -w 1 $files); do
    ffmpeg -v error -nostdin -f lavfi -i "sine=frequency=$((200 + 10 * 10#$i)):sample_rate=44100:duration=$seconds" \
        -ac 2 -c:a pcm_s16le "$bench/in/track $i.wav"
done

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

# Runs the dry-run commands of quavero-cli one after the other. Its private
# temporary folder is gone when it exits, so the intermediate files go to a
# folder of the loop's own.
loop() {
    local out=$1; shift
    local work="$bench/loop-work"
    rm -rf "$work" "$out"; mkdir -p "$work" "$out"
    TMPDIR="$bench/tmp" "$cli" -n -o "$out" "$@" "$bench/in" \
        | sed "s#$bench/tmp/quavero-cli-[A-Za-z0-9]*#$work#g" > "$bench/commands.sh"
    local start; start=$(now)
    while IFS= read -r line; do
        eval "$line" </dev/null >/dev/null 2>&1
    done < "$bench/commands.sh"
    elapsed "$start" "$(now)"
}

cli_run() {
    local jobs=$1 out=$2; shift 2
    rm -rf "$out"
    local start; start=$(now)
    TMPDIR="$bench/tmp" "$cli" -q -j "$jobs" -o "$out" "$@" "$bench/in"
    elapsed "$start" "$(now)"
}

count() { find "$1" -type f | wc -l; }

measure() {
    local title=$1; shift
    local t_loop t_one t_two
    t_loop=$(loop "$bench/out-loop" "$@")
    t_one=$(cli_run 1 "$bench/out-1" "$@")
    t_two=$(cli_run 2 "$bench/out-2" "$@")
    for out in out-loop out-1 out-2; do
        if [[ $(count "$bench/$out") -ne $files ]]; then
            echo "$title: $out holds $(count "$bench/$out") files instead of $files" >&2
            exit 1
        fi
    done
    printf '%s\n' "$title"
    printf '  shell loop of ffmpeg%s  %7.2f s\n' "$([[ $* == *speed* ]] && echo ' + sox' || echo '      ')" "$t_loop"
    printf '  quavero-cli -j 1            %7.2f s   ratio %s (target <= 1.05)\n' "$t_one" "$(ratio "$t_one" "$t_loop")"
    printf '  quavero-cli -j 2            %7.2f s   ratio %s (target <= 0.60)\n' "$t_two" "$(ratio "$t_two" "$t_loop")"
}

measure "to .MP3 (default options)" -f mp3
measure "to .WAV with speed 1.25" -f wav --set speed=1.25
