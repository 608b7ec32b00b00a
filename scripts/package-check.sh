#!/usr/bin/env bash
# Builds the Debian package from an existing build folder, unpacks it into a
# throwaway root (no installation on this machine) and checks that it holds
# the programs and the desktop integration, declares its runtime dependencies,
# and that its quavero-cli runs.
set -euo pipefail
build=${1:-build}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/quavero_*.deb | head -n 1)
echo "package: $deb"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in ffmpeg libavcodec-extra sox libsox-fmt-all libqt6widgets6 libqt6multimedia6 gstreamer1.0-plugins-good; do
    if ! grep -q "$needed" <<<"$depends"; then
        echo "the package does not depend on $needed: $depends" >&2
        exit 1
    fi
done

dpkg -x "$deb" "$root"
for f in usr/bin/quavero usr/bin/quavero-cli usr/share/applications/org.example.Quavero.desktop \
         usr/share/metainfo/org.example.Quavero.metainfo.xml usr/share/icons/hicolor/scalable/apps/quavero.svg \
         usr/share/man/man1/quavero-cli.1 usr/libexec/quavero/resources/ffmpeg usr/libexec/quavero/resources/sox; do
    if [ ! -e "$root/$f" ] && [ ! -L "$root/$f" ]; then
        echo "the package lacks $f" >&2
        exit 1
    fi
done
desktop-file-validate "$root/usr/share/applications/org.example.Quavero.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.Quavero.metainfo.xml" >/dev/null
"$root/usr/bin/quavero-cli" --version
echo "package check passed"
