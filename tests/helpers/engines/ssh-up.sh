#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ssh-up.sh [DIR] - throw-away sshd on 127.0.0.1:<free port> for GNU parallel -S tests.
# Run as root. Prints shell exports on stdout (use: eval "$(ssh-up.sh)"); also saved in DIR/env.
# Hosts in $QV_SSH_HOSTS (default "w1 w2") all reach this one sshd.
set -euo pipefail
D=${1:-${QV_SSH_DIR:-/tmp/quavero-engines/ssh}}
D=$(realpath -m -- "$D")   # sshd re-execs from /, so paths must be absolute
HOSTS=${QV_SSH_HOSTS:-w1 w2}
[ "$(id -u)" = 0 ] || { echo "ssh-up: run as root" >&2; exit 1; }
if [ -s "$D/sshd.pid" ] && kill -0 "$(cat "$D/sshd.pid")" 2>/dev/null; then
  echo "ssh-up: already running (pid $(cat "$D/sshd.pid")); run ssh-down.sh first" >&2; exit 1
fi
trap '[ $? = 0 ] || "$(dirname "$0")/ssh-down.sh" "$D" --keep' EXIT   # failed: stop what we started
umask 077
install -d -m755 /run/sshd                      # privilege-separation dir sshd insists on
install -d -m700 "$D"; : > "$D/.qv-sshd"        # root-only state dir; marker for ssh-down
rm -f "$D"/host_ed25519* "$D"/id_ed25519* "$D/sshd.pid"
ssh-keygen -q -t ed25519 -N '' -C qv-host -f "$D/host_ed25519"
ssh-keygen -q -t ed25519 -N '' -C qv-user -f "$D/id_ed25519"
echo "from=\"127.0.0.1\" $(cat "$D/id_ed25519.pub")" > "$D/authorized_keys"
echo "qv-sshd $(cat "$D/host_ed25519.pub")"      > "$D/known_hosts"

for try in 1 2 3 4 5 6 7 8 9 10; do
  PORT=$(( 20000 + (RANDOM * 32768 + RANDOM) % 40000 ))
  cat > "$D/sshd_config" <<CFG
ListenAddress 127.0.0.1:$PORT
HostKey $D/host_ed25519
PidFile $D/sshd.pid
AuthorizedKeysFile $D/authorized_keys
# StrictModes would reject keys below /tmp (mode 1777 parent), so the 0700 DIR is the guard
StrictModes no
UsePAM no
PermitRootLogin prohibit-password
AllowUsers root
PubkeyAuthentication yes
PasswordAuthentication no
KbdInteractiveAuthentication no
UseDNS no
PrintMotd no
PrintLastLog no
LogLevel VERBOSE
MaxStartups 64:30:128
MaxSessions 64
Subsystem sftp internal-sftp
CFG
  /usr/sbin/sshd -t -f "$D/sshd_config"
  # daemon mode: sshd binds before it forks, and writes PidFile only after a successful bind
  if /usr/sbin/sshd -f "$D/sshd_config" -E "$D/sshd.log" 2>>"$D/sshd.log"; then
    for _ in $(seq 50); do [ -s "$D/sshd.pid" ] && break; sleep 0.1; done
    [ -s "$D/sshd.pid" ] && break
  fi
  echo "ssh-up: port $PORT failed (try $try)" >&2; PORT=
done
[ -n "$PORT" ] || { echo "ssh-up: sshd did not start, see $D/sshd.log" >&2; exit 1; }

cat > "$D/ssh_config" <<CFG
Host $HOSTS
  HostName 127.0.0.1
  Port $PORT
  User root
  HostKeyAlias qv-sshd
  UserKnownHostsFile $D/known_hosts
  GlobalKnownHostsFile /dev/null
  StrictHostKeyChecking yes
  IdentityFile $D/id_ed25519
  IdentitiesOnly yes
  IdentityAgent none
  BatchMode yes
  ConnectTimeout 5
  ControlMaster no
  ControlPath none
  LogLevel ERROR
CFG
cat > "$D/env" <<ENV
export QV_SSH_DIR='$D'
export QV_SSH_PORT=$PORT
export QV_SSH_CONFIG='$D/ssh_config'
export PARALLEL_SSH='ssh -F $D/ssh_config'
export PARALLEL_HOME='$D/parallel-home'
ENV
# fail here, not later in the test, if login does not work
for h in $HOSTS; do
  ssh -F "$D/ssh_config" "$h" true || { echo "ssh-up: test login to $h failed, see $D/sshd.log" >&2; exit 1; }
done
cat "$D/env"
