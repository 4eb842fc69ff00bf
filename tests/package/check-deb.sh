#!/bin/sh
# Checks the two Debian packages as a user's machine would meet them:
# lintian finds no error or warning, the AppStream data validates, each
# package unpacked into a scratch root holds its files, the headless one
# pulls in no desktop stack, and the command line runs as installed.
# Usage: check-deb.sh DIRECTORY VERSION
set -eu

dir=$1
version=$2
ctl_deb=$dir/pacewisectl_${version}_amd64.deb
tray_deb=$dir/pacewise_${version}_amd64.deb

root=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$root" "$home"' EXIT

# Usage: expect_files DEB FILE...
expect_files() {
    deb=$1
    shift
    lintian --fail-on error,warning "$deb"
    rm -rf "${root:?}"/*
    dpkg-deb -x "$deb" "$root"
    for file in "$@"; do
        [ -f "$root/$file" ] || { echo "check-deb: $deb lacks $file" >&2; exit 1; }
    done
}

expect_files "$tray_deb" \
    usr/bin/pacewise \
    usr/share/applications/io.github.pacewise.Pacewise.desktop \
    usr/share/metainfo/io.github.pacewise.Pacewise.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/io.github.pacewise.Pacewise.svg \
    usr/share/man/man1/pacewise.1.gz \
    usr/share/doc/pacewise/copyright
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.pacewise.Pacewise.metainfo.xml" >/dev/null
dpkg-deb -f "$tray_deb" Depends | grep -q "pacewisectl (= $version)" \
    || { echo "check-deb: pacewise does not depend on this pacewisectl" >&2; exit 1; }
for recommended in qt6-wayland fonts-noto-cjk; do
    dpkg-deb -f "$tray_deb" Recommends | grep -q "$recommended" \
        || { echo "check-deb: pacewise does not recommend $recommended" >&2; exit 1; }
done

expect_files "$ctl_deb" \
    usr/bin/pacewisectl \
    usr/lib/x86_64-linux-gnu/pacewise/pacewise-update-check.so \
    usr/lib/systemd/user/pacewise.service \
    usr/share/man/man1/pacewisectl.1.gz \
    usr/share/pacewise/engine-scripts/rate-limit-guard.sh \
    usr/share/doc/pacewisectl/copyright
[ ! -e "$root/usr/bin/pacewise" ]
if dpkg-deb -f "$ctl_deb" Depends | grep -E -q 'qt6gui|qt6widgets|qt6quick|qml6'; then
    echo "check-deb: pacewisectl depends on a desktop library" >&2
    exit 1
fi
grep -qx 'ExecStart=/usr/bin/pacewisectl daemon' "$root/usr/lib/systemd/user/pacewise.service"
# The daemon and every status go without Qt's network stack; only the update
# check loads it, through its module.
if readelf -d "$root/usr/bin/pacewisectl" | grep -q 'NEEDED.*Network'; then
    echo "check-deb: pacewisectl loads QtNetwork at start" >&2
    exit 1
fi

[ "$(HOME=$home "$root/usr/bin/pacewisectl" --version)" = "pacewisectl $version" ]
# The unpacked binary works as installed: no data in an empty home is exit 3.
status=0
HOME=$home PATH=/usr/bin:/bin "$root/usr/bin/pacewisectl" status --source state >/dev/null || status=$?
[ "$status" -eq 3 ]
mkdir -p "$home/.config/Pacewise"
printf '[General]\nupdateFeedURL=http://127.0.0.1:9/feed\n' >"$home/.config/Pacewise/Pacewise.conf"
[ "$(HOME=$home "$root/usr/bin/pacewisectl" update check 2>&1)" = "pacewisectl update: Connection refused" ]
echo "check-deb: $ctl_deb and $tray_deb are fine"
