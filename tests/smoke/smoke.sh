#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Smoke test of the real program, run inside a virtual X server (xvfb-run):
#   smoke.sh <quavero> <quavero_x11_window>
# 1. A first start with a fresh HOME: the main window comes up, the work
#    folder and the preferences with their defaults are written; closing the
#    window ends the program with status 0.
# 2. A later start: the work folder is emptied but kept, the stored output
#    format is left as it was; closing the window again ends with status 0.
set -euo pipefail

quavero=$1
x11=$2
[[ -n "${DISPLAY:-}" ]] || { echo "FAIL: no X display (run under xvfb-run)"; exit 1; }

home=$(mktemp -d "${TMPDIR:-/tmp}/quavero-smoke-XXXXXX")
pid=
cleanup() {
    if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then kill -KILL "$pid"; fi
    rm -rf "$home"
}
trap cleanup EXIT

export HOME=$home
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_DOCUMENTS_DIR
export QT_QPA_PLATFORM=xcb
work=$HOME/Documents/Quavero
conf=$HOME/.config/Quavero/Quavero.conf

fail() {
    echo "FAIL: $*"
    echo "--- program output ---"
    cat "$home/output.log" 2>/dev/null || true
    exit 1
}

# Starts the program, waits for its main window, runs the given checks,
# closes the window and checks that the program ended with status 0.
run_once() {
    local checks=$1
    "$quavero" >"$home/output.log" 2>&1 &
    pid=$!
    "$x11" wait Quavero 60 || fail "the main window did not come up"
    $checks
    "$x11" close Quavero || fail "could not close the main window"
    local tries=0
    while kill -0 "$pid" 2>/dev/null; do
        ((++tries <= 300)) || fail "the program did not end within 30 s of closing its window"
        sleep 0.1
    done
    local status=0
    wait "$pid" || status=$?
    pid=
    [[ $status -eq 0 ]] || fail "the program ended with status $status"
}

expect_setting() {
    grep -qxF "$1" "$conf" || fail "preferences lack the line '$1'"
}

first_start_checks() {
    [[ -d "$work" ]] || fail "no work folder $work"
    [[ -f "$conf" ]] || fail "no preferences file $conf"
    expect_setting "DremlockAOF28=8"
    expect_setting "Dremlock_Zentuvo_b_List_Alternating_Rows=1"
    local key
    for key in Background Spectrum Table_Background Table_Foreground; do
        expect_setting "Dremlock_Zentuvo_Color_${key}_String=Recorded"
        grep -q "^Dremlock_Zentuvo_Color_${key}=@ByteArray(" "$conf" || fail "no stored colour $key"
    done
}

later_start_checks() {
    [[ -d "$work" ]] || fail "the work folder was removed"
    # Only the running window's lock stays.
    local left
    left=$(ls -A "$work" | grep -vxF .quavero-window.lock || true)
    [[ -z "$left" ]] || fail "the work folder still holds: $left"
    [[ -f "$home/outside/keep.txt" ]] || fail "a file outside the work folder was deleted"
    expect_setting "DremlockAOF28=3"
}

echo "first start"
run_once first_start_checks

echo "later start"
mkdir -p "$work/nested/deeper" "$home/outside"
echo scratch >"$work/preview.wav"
echo scratch >"$work/nested/deeper/Spectrum0001.png"
echo keep >"$home/outside/keep.txt"
ln -s "$home/outside" "$work/nested/link-to-outside"
sed -i 's/^DremlockAOF28=8$/DremlockAOF28=3/' "$conf"
run_once later_start_checks

echo "PASS"
