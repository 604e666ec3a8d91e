#!/usr/bin/env bash
# Installs into a scratch prefix and builds the Debian package, and checks what each holds.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
for file in bin/chromaflick share/applications/com.varnhollow.Chromaflick.desktop \
    share/metainfo/chromaflick.metainfo.xml share/man/man1/chromaflick.1 \
    share/man/de/man1/chromaflick.1 share/man/fr/man1/chromaflick.1 \
    share/icons/hicolor/scalable/apps/chromaflick.svg \
    share/icons/hicolor/48x48/apps/chromaflick.png \
    share/icons/hicolor/256x256/apps/chromaflick.png; do
    [ -f "$work/prefix/$file" ] || { echo "install: $file is missing"; exit 1; }
done
[[ $(file "$work/prefix/share/icons/hicolor/48x48/apps/chromaflick.png") == *"48 x 48"* ]]
[[ $(file "$work/prefix/share/icons/hicolor/256x256/apps/chromaflick.png") == *"256 x 256"* ]]
desktop-file-validate "$work/prefix/share/applications/com.varnhollow.Chromaflick.desktop"
appstreamcli validate --no-net "$work/prefix/share/metainfo/chromaflick.metainfo.xml"
for page in man1/chromaflick.1 de/man1/chromaflick.1 fr/man1/chromaflick.1; do
    warnings=$(man -l "$work/prefix/share/man/$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "man $page: $warnings"; exit 1; }
done
# The metainfo's launchable names the installed desktop entry.
grep -q '<launchable type="desktop-id">com.varnhollow.Chromaflick.desktop</launchable>' \
    "$work/prefix/share/metainfo/chromaflick.metainfo.xml"
echo "install: ok"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >/dev/null
deb=$(ls "$work"/deb/chromaflick_*_amd64.deb)
info=$(dpkg-deb -I "$deb")
contents=$(dpkg-deb -c "$deb")
grep -E '^ (Package|Version|Depends):' <<<"$info"
grep -q 'Depends:.*libqt6widgets6' <<<"$info"
# Without it Qt falls back to XWayland on a Wayland session.
grep -q 'Depends:.*qt6-wayland' <<<"$info"
grep -q './usr/bin/chromaflick$' <<<"$contents"
grep -q './usr/share/applications/com.varnhollow.Chromaflick.desktop$' <<<"$contents"
grep -qE '\./usr/share/man/de/man1/chromaflick\.1(\.gz)?$' <<<"$contents"
grep -qE '\./usr/share/man/fr/man1/chromaflick\.1(\.gz)?$' <<<"$contents"
if [ "$(id -u)" -eq 0 ]; then
    # Resolves the dependencies as an install would, without installing.
    apt-get install -s "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }
fi
echo "package: ok"
