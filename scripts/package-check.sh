#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from an existing build folder, unpacks it into a
# throwaway root (no installation on this machine) and checks that it holds
# the programs, the translations and the desktop integration, declares its
# runtime dependencies, that its quavero-cli runs, and that lintian finds no
# error and no warning in it.
set -euo pipefail
build=${1:-build}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/quavero_*.deb | head -n 1)
echo "package: $deb ($(stat -c %s "$deb") bytes)"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in ffmpeg libavcodec-extra sox libsox-fmt-all libqt6sql6-sqlite libqt6widgets6 libqt6multimedia6 gstreamer1.0-plugins-good; do
    if ! grep -q "$needed" <<<"$depends"; then
        echo "the package does not depend on $needed: $depends" >&2
        exit 1
    fi
done
if ! dpkg-deb -f "$deb" Recommends | grep -q qt6-translations-l10n; then
    echo "the package does not recommend qt6-translations-l10n (Qt's own texts translated)" >&2
    exit 1
fi

dpkg -x "$deb" "$root"
for f in usr/bin/quavero usr/bin/quavero-cli usr/share/applications/org.example.Quavero.desktop \
         usr/share/metainfo/org.example.Quavero.metainfo.xml usr/share/icons/hicolor/scalable/apps/quavero.svg \
         usr/share/man/man1/quavero.1.gz usr/share/man/man1/quavero-cli.1.gz \
         usr/share/doc/quavero/changelog.gz usr/share/doc/quavero/copyright \
         usr/share/quavero/translations/quavero_de.qm usr/share/quavero/translations/quavero_fr.qm \
         usr/share/quavero/translations/quavero_es.qm \
         usr/libexec/quavero/resources/ffmpeg usr/libexec/quavero/resources/sox; do
    if [ ! -e "$root/$f" ] && [ ! -L "$root/$f" ]; then
        echo "the package lacks $f" >&2
        exit 1
    fi
done
for link in "$root"/usr/libexec/quavero/resources/*; do
    case $(readlink "$link") in
        /*) echo "$link is an absolute link: $(readlink "$link")" >&2; exit 1 ;;
    esac
done
desktop-file-validate "$root/usr/share/applications/org.example.Quavero.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.Quavero.metainfo.xml" >/dev/null
"$root/usr/bin/quavero-cli" --version

# The debug information goes into the separate -dbgsym package.
ddeb=$(ls -t "$build"/quavero-dbgsym_*.ddeb 2>/dev/null | head -n 1 || true)
if [ -z "$ddeb" ] || [ "$(dpkg-deb -c "$ddeb" | grep -c '\.debug$')" -lt 2 ]; then
    echo "no debug symbols package with the debug information of both programs" >&2
    exit 1
fi

# Every error and warning fails; informational and pedantic notes are shown.
report=$(lintian --display-info --pedantic "$deb" 2>&1 | grep -v '^running with root privileges' || true)
[ -n "$report" ] && echo "$report"
if grep -qE '^[EW]: ' <<<"$report"; then
    echo "lintian found errors or warnings in $deb" >&2
    exit 1
fi
echo "package check passed"
