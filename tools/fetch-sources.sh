#!/bin/sh
# Unpack the two large packages the zone generator reads a single file from
# (the CLDR Windows zone table and wine's tzres.dll) without installing them.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
dest=${HALVO_DATA_SOURCES:-$here/build/data-sources}
mkdir -p "$dest/debs"
cd "$dest/debs"
for package in unicode-cldr-core libwine; do
    if ! ls "${package}"_*.deb >/dev/null 2>&1; then
        apt-get download "$package"
    fi
    deb=$(ls "${package}"_*.deb | sort | tail -n 1)
    dpkg-deb -x "$deb" "$dest"
    dpkg-deb -f "$deb" Version > "$dest/$package.version"
done
echo "unpacked into $dest"
