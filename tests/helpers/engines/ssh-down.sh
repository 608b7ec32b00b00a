#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ssh-down.sh [DIR] [--keep] - stop the sshd started by ssh-up.sh (by PID) and its sessions;
# removes DIR (keys, config, log) unless --keep.
set -uo pipefail
D=${QV_SSH_DIR:-/tmp/quavero-engines/ssh}; KEEP=
for a in "$@"; do case $a in --keep) KEEP=1;; *) D=$a;; esac; done
D=$(realpath -m -- "$D")
[ -e "$D/.qv-sshd" ] || { echo "ssh-down: $D is not an ssh-up.sh dir" >&2; exit 0; }
alive() { local s; s=$(ps -o stat= -p "$1") && [ "${s#Z}" = "$s" ]; }  # zombies count as dead:
# PID 1 (CI init/runner) may reap them late or never
descendants() { local c; for c in $(ps -o pid= --ppid "$1"); do echo "$c"; descendants "$c"; done; }
if [ -s "$D/sshd.pid" ]; then
  pid=$(cat "$D/sshd.pid")
  if grep -qF "$D/sshd_config" "/proc/$pid/cmdline" 2>/dev/null; then   # really ours?
    kids=$(descendants "$pid")
    kill -TERM "$pid" $kids 2>/dev/null
    for _ in $(seq 50); do alive "$pid" || break; sleep 0.1; done
    kill -KILL "$pid" $kids 2>/dev/null
  fi
fi
if [ -n "$KEEP" ]; then rm -f "$D/sshd.pid"; else rm -rf -- "$D"; fi
