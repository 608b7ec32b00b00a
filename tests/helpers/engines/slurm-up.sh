#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# slurm-up.sh [DIR] - private munged + slurmctld + slurmd on this host, all state under DIR.
# Run as root. Prints shell exports on stdout (eval "$(slurm-up.sh)"); also saved in DIR/env.
set -euo pipefail
D=$(realpath -m -- "${1:-${QV_SLURM_DIR:-/tmp/quavero-engines/slurm}}")
CTLD_PORT=${QV_SLURMCTLD_PORT:-6817}; SLURMD_PORT=${QV_SLURMD_PORT:-6818}
WAIT=${QV_SLURM_WAIT:-60}
[ "$(id -u)" = 0 ] || { echo "slurm-up: run as root" >&2; exit 1; }
for p in "$D"/run/*.pid "$D"/munge/munged.pid; do
  [ -s "$p" ] && kill -0 "$(cat "$p")" 2>/dev/null &&
    { echo "slurm-up: $p is alive; run slurm-down.sh first" >&2; exit 1; }
done
trap '[ $? = 0 ] || "$(dirname "$0")/slurm-down.sh" "$D" --keep' EXIT   # failed: stop what we started
rm -rf -- "$D"/state "$D"/spool "$D"/run "$D"/log "$D"/munge
install -d -m755 "$D"; : > "$D/.qv-slurm"
install -d -m700 "$D"/state "$D"/spool "$D"/run "$D"/log
install -d -m755 -o munge -g munge "$D/munge"          # munged refuses group/world-writable dirs
die() { echo "slurm-up: $*" >&2; tail -n 5 "$D"/log/*.log "$D"/munge/*.log >&2 2>/dev/null; exit 1; }
runuser -u munge -- test -w "$D/munge" ||
  die "user munge cannot reach $D/munge (a parent dir lacks o+x, e.g. mktemp -d makes 0700)"

# --- munge: private key + socket, munged runs as user munge ---
(umask 077; dd if=/dev/urandom of="$D/munge/munge.key" bs=1024 count=1 status=none)
chown munge:munge "$D/munge/munge.key"; chmod 400 "$D/munge/munge.key"
SOCK=$D/munge/munge.socket.2
runuser -u munge -- /usr/sbin/munged --socket="$SOCK" --key-file="$D/munge/munge.key" \
  --pid-file="$D/munge/munged.pid" --log-file="$D/munge/munged.log" \
  --seed-file="$D/munge/munged.seed" --origin=127.0.0.1 </dev/null >>"$D/log/start.log" 2>&1 ||
  die "munged did not start"
munge -n -S "$SOCK" | unmunge -S "$SOCK" >/dev/null || die "munge round trip failed"

# --- slurm.conf: node line from slurmd -C, addresses pinned to loopback ---
NODE=$(slurmd -C | head -1 | sed 's/ RealMemory=[0-9]*//')   # NodeName=<host> CPUs=.. Boards=..
HOST=${NODE#NodeName=}; HOST=${HOST%% *}   # slurm's short hostname; slurmctld only starts there
cat > "$D/slurm.conf" <<CONF
ClusterName=qv
SlurmctldHost=$HOST(127.0.0.1)
SlurmctldPort=$CTLD_PORT
SlurmdPort=$SLURMD_PORT
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
AuthInfo=socket=$SOCK
CredType=cred/munge
StateSaveLocation=$D/state
SlurmdSpoolDir=$D/spool
SlurmctldPidFile=$D/run/slurmctld.pid
SlurmdPidFile=$D/run/slurmd.pid
SlurmctldLogFile=$D/log/slurmctld.log
SlurmdLogFile=$D/log/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
JobCompType=jobcomp/none
SelectType=select/cons_tres
SelectTypeParameters=CR_Core
MpiDefault=none
MailProg=/bin/true
ReturnToService=2
# scheduling latency for tests: start batch jobs at once (default delay 3s); with
# MinJobAge<=5 "sbatch -W" polls every 2s instead of 2s,8s,32s (records purged 5-65s after end)
SchedulerParameters=batch_sched_delay=0
MinJobAge=5
$NODE NodeAddr=127.0.0.1 State=UNKNOWN
PartitionName=qv Nodes=ALL Default=YES MaxTime=INFINITE State=UP
CONF
export SLURM_CONF=$D/slurm.conf
cat > "$D/env" <<ENV
export QV_SLURM_DIR='$D'
export SLURM_CONF='$D/slurm.conf'
ENV

# --- daemons (both daemonize and write their pid files) ---
/usr/sbin/slurmctld -f "$SLURM_CONF" </dev/null >>"$D/log/start.log" 2>&1 || die "slurmctld failed"
/usr/sbin/slurmd    -f "$SLURM_CONF" </dev/null >>"$D/log/start.log" 2>&1 || die "slurmd failed"
end=$((SECONDS + WAIT))
until [ "$(sinfo -h -o %T 2>/dev/null)" = idle ]; do
  if [ $SECONDS -ge $end ]; then
    die "node not idle after ${WAIT}s; sinfo: $(sinfo -h -o '%T %E' 2>&1)"
  fi
  sleep 0.2
done
cat "$D/env"
