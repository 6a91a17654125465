#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that everything lands
# where the conventions put it and that the installed pieces find each other.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

expect() { [ -e "$prefix/$1" ] || { echo "missing after install: $1"; exit 1; }; }
expect bin/AddressPelgar
expect bin/addresspelgar-store
expect lib/addresspelgar/libaddresspelgar-automation.so
expect lib/addresspelgar/libaddresspelgar-server.so
expect share/automation/servers/ValdrinOrvastaSession.server
expect share/applications/net.kelmora.addresspelgar.desktop
expect share/metainfo/net.kelmora.addresspelgar.metainfo.xml
expect share/icons/hicolor/scalable/apps/net.kelmora.addresspelgar.svg
expect share/icons/hicolor/64x64/apps/net.kelmora.addresspelgar.png
expect share/addresspelgar/drive_c/kelmora/projects/address/addressPelgar/help.txt

# The registration names a module that exists, relative to its own folder.
module="$(sed -n 's/^module=//p' "$prefix/share/automation/servers/ValdrinOrvastaSession.server")"
[ -e "$prefix/share/automation/servers/$module" ] || { echo "registration names a missing module: $module"; exit 1; }

# Installed binaries and the module resolve their libraries from the prefix.
for file in bin/AddressPelgar bin/addresspelgar-store lib/addresspelgar/libaddresspelgar-server.so; do
  if ldd "$prefix/$file" | grep -q "not found"; then
    echo "unresolved libraries in $file:"; ldd "$prefix/$file" | grep "not found"; exit 1
  fi
done

# The registration switch ends the installed program before any window.
QT_QPA_PLATFORM=offscreen timeout 20 "$prefix/bin/AddressPelgar" /RegServer
echo "install layout ok"
