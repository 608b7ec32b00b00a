#!/usr/bin/env bash
# Installs what Quavero needs to build, run and test, from Debian's packages.
# Idempotent: it asks apt only for what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev
  ffmpeg libavcodec-extra sox libsox-fmt-all
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  xvfb xauth x11-utils libx11-dev fonts-dejavu-core
  desktop-file-utils appstream dpkg-dev file lintian
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
