#!/usr/bin/env bash
# Unpacks Debian's displaycal package into the folder given, for its Resolve server classes
# alone; none of its dependencies is installed.
set -euo pipefail
dest=$1
[ -f "$dest/usr/lib/python3/dist-packages/DisplayCAL/patterngenerators.py" ] && exit 0
mkdir -p "$dest"
cd "$dest"
apt-get download displaycal >/dev/null
dpkg-deb -x displaycal_*.deb .
rm -f displaycal_*.deb
