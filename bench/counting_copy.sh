# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the shell benchmarks that count the programs quavero-cli starts.
#
#   bench_setup NAME DEFAULT_FILES [path/to/quavero-cli] [files]
#
# Sets cli, files and bench (a fresh folder, removed when the script exits),
# and makes $bench/bin/quavero-cli: a copy of the program whose ffmpeg and sox
# write a line to $bench/started each time they start.
bench_setup() {
    local name=$1 default_files=$2
    here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    cli=${3:-$here/build/bin/quavero-cli}
    files=${4:-$default_files}
    [[ -x $cli ]] || { echo "quavero-cli not found: build it or give its path" >&2; exit 1; }

    bench=$(mktemp -d "${TMPDIR:-/tmp}/quavero-$name-bench-XXXXXX")
    trap 'rm -rf "$bench"' EXIT
    echo "quavero-cli: $cli; $files files; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

    mkdir -p "$bench/bin/resources"
    cp "$cli" "$bench/bin/quavero-cli"
    local program real
    for program in ffmpeg sox; do
        real=$(command -v "$program")
        printf '#!/bin/sh\necho >> "%s/started"\nexec "%s" "$@"\n' "$bench" "$real" > "$bench/bin/resources/$program"
        chmod +x "$bench/bin/resources/$program"
    done
}
