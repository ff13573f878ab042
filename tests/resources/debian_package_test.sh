#!/bin/sh
# Packs the build as `cpack -G DEB` does for users, into a scratch directory, and checks what the
# package holds and declares.
set -eu
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; exit 1; }
deb="$(ls "$scratch"/quorrel-baccarat_*_*.deb)"
files="$(dpkg-deb -c "$deb")"
status=0
for file in usr/bin/quorrel-baccarat usr/bin/quorrel-baccarat-launch usr/bin/baccarat-sim \
            usr/share/applications/quorrel-baccarat.desktop \
            usr/share/metainfo/io.github.quorrel.baccarat.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/quorrel-baccarat.svg \
            usr/share/quorrel-baccarat/BACCARAT.INI usr/share/quorrel-baccarat/BACCARAT.HLP; do
  echo "$files" | grep -q " \./$file\$" || { echo "FAIL: $file is not in the package"; status=1; }
done
depends="$(dpkg-deb -f "$deb" Depends)"
for library in libqt6widgets6 libqt6charts6 libqt6network6; do
  echo "$depends" | grep -q "$library" || { echo "FAIL: $library is not declared: $depends"; status=1; }
done
[ "$(dpkg-deb -f "$deb" Package)" = quorrel-baccarat ] || { echo "FAIL: package name"; status=1; }
exit $status
