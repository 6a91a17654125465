#!/usr/bin/env bash
# Builds the program and starts it on a demo store of its own, filled from
# data/demo-store.txt on first use; the user's real store is never touched.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh" AddressPelgar addresspelgar-store collab_server_module
store="$build/demo/store.sqlite"
if [ ! -e "$store" ]; then
  mkdir -p "$(dirname "$store")"
  "$build/bin/addresspelgar-store" --store "$store" --load "$root/data/demo-store.txt"
fi
export VALDRIN_ORVASTA_STORE="$store"
exec "$build/bin/AddressPelgar" "$@"
