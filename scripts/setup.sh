#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Quavero needs to build, run and test, from Debian's packages.
# Idempotent: it asks apt only for what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev
  ffmpeg libavcodec-extra sox libsox-fmt-all libtag1-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  xvfb xauth x11-utils libx11-dev fonts-dejavu-core xdotool
  desktop-file-utils appstream dpkg-dev file lintian
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n locales
  libqt6sql6-sqlite libebur128-dev libcue-dev libuchardet-dev libflac-dev
  flac lame vorbis-tools opus-tools mp3val loudgain shntool cuetools espeak-ng time python3-mutagen
  parallel openssh-server slurmctld slurmd munge
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The locales the translation tests start the program under.
regenerate=0
for name in de_DE fr_FR es_ES; do
  if ! locale -a 2>/dev/null | grep -qx "$name.utf8"; then
    if grep -q "^# *$name.UTF-8 UTF-8" /etc/locale.gen; then
      sed -i "s/^# *\($name.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    elif ! grep -q "^$name.UTF-8 UTF-8" /etc/locale.gen; then
      echo "$name.UTF-8 UTF-8" >> /etc/locale.gen
    fi
    regenerate=1
  fi
done
if ((regenerate)); then
  locale-gen >/dev/null
fi
