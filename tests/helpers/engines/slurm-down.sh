#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# slurm-down.sh [DIR] [--keep] - cancel jobs, stop slurmd/slurmctld/munged started by
# slurm-up.sh (by PID), kill any leftover slurmstepd of DIR; removes DIR unless --keep.
set -uo pipefail
D=${QV_SLURM_DIR:-/tmp/quavero-engines/slurm}; KEEP=
for a in "$@"; do case $a in --keep) KEEP=1;; *) D=$a;; esac; done
D=$(realpath -m -- "$D")
[ -e "$D/.qv-slurm" ] || { echo "slurm-down: $D is not a slurm-up.sh dir" >&2; exit 0; }
export SLURM_CONF=$D/slurm.conf
ours() { [ -n "$1" ] && grep -qF "$2" "/proc/$1/cmdline" 2>/dev/null; }   # pid runs with our paths?
pidof_file() { cat "$1" 2>/dev/null; }
alive() { local s; s=$(ps -o stat= -p "$1") && [ "${s#Z}" = "$s" ]; }  # zombies count as dead:
# PID 1 (CI init/runner) may reap them late or never
descendants() { local c; for c in $(ps -o pid= --ppid "$1"); do echo "$c"; descendants "$c"; done; }
any_alive() { local p; for p; do alive "$p" && return 0; done; return 1; }
stop() {   # stop PID...: TERM, wait up to 10s, then KILL
  [ $# -gt 0 ] || return 0
  kill -TERM "$@" 2>/dev/null
  for _ in $(seq 100); do any_alive "$@" || return 0; sleep 0.1; done
  kill -KILL "$@" 2>/dev/null; sleep 0.2
}
stepds() { ss -xlpn 2>/dev/null | awk -v d="$D/spool/" 'index($5, d) == 1' |
           grep -o 'pid=[0-9]*' | cut -d= -f2 | sort -u; }

ctld=$(pidof_file "$D/run/slurmctld.pid"); ours "$ctld" "$SLURM_CONF" || ctld=
slurmd=$(pidof_file "$D/run/slurmd.pid");  ours "$slurmd" "$SLURM_CONF" || slurmd=
munged=$(pidof_file "$D/munge/munged.pid"); ours "$munged" "$D/munge/" || munged=
if [ -n "$ctld" ] && [ -n "$slurmd" ]; then          # graceful: cancel jobs, let steps exit
  squeue -h -o %A 2>/dev/null | xargs -r scancel 2>/dev/null
  for _ in $(seq 100); do [ -z "$(squeue -h 2>/dev/null)$(stepds)" ] && break; sleep 0.1; done
fi
stop $slurmd $ctld
for s in $(stepds); do kill -KILL $(descendants "$s") "$s" 2>/dev/null; done  # steps that outlived slurmd
stop $munged
if [ -n "$KEEP" ]; then rm -f "$D"/run/*.pid; else rm -rf -- "$D"; fi
