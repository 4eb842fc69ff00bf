#!/bin/sh
# Checks the Debian package as a user's machine would meet it: lintian finds
# no error or warning, the AppStream data validates, and the package unpacked
# into a scratch root holds every file and runs.
# Usage: check-deb.sh PACKAGE.deb VERSION
set -eu

deb=$1
version=$2

lintian --fail-on error,warning "$deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

for file in \
    usr/bin/pacewise \
    usr/bin/pacewisectl \
    usr/lib/systemd/user/pacewise.service \
    usr/share/applications/io.github.pacewise.Pacewise.desktop \
    usr/share/metainfo/io.github.pacewise.Pacewise.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/io.github.pacewise.Pacewise.svg \
    usr/share/man/man1/pacewisectl.1.gz \
    usr/share/pacewise/engine-scripts/rate-limit-guard.sh \
    usr/share/doc/pacewise/copyright; do
    [ -f "$root/$file" ] || { echo "check-deb: $file is missing" >&2; exit 1; }
done

appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.pacewise.Pacewise.metainfo.xml" >/dev/null
grep -qx 'ExecStart=/usr/bin/pacewisectl daemon' "$root/usr/lib/systemd/user/pacewise.service"

home=$(mktemp -d)
trap 'rm -rf "$root" "$home"' EXIT
[ "$(HOME=$home "$root/usr/bin/pacewisectl" --version)" = "pacewisectl $version" ]
# The unpacked binary works as installed: no data in an empty home is exit 3.
status=0
HOME=$home PATH=/usr/bin:/bin "$root/usr/bin/pacewisectl" status --source state >/dev/null || status=$?
[ "$status" -eq 3 ]
echo "check-deb: $deb is fine"
