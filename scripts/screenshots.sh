#!/usr/bin/env bash
# Makes the pictures of the README again (docs/screenshots/), under a virtual display of 1366x768.
# The shoes are seeded, so an unchanged build gives the same pictures.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"
if ! command -v Xvfb >/dev/null; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get install -y -qq xvfb >/dev/null
fi
"$root/scripts/build.sh" baccarat-screenshots
out="${1:-$root/docs/screenshots}"
# Xvfb picks a free display and writes its number to the pipe.
displayfile="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$displayfile"' EXIT
for _ in $(seq 50); do [ -s "$displayfile" ] && break; sleep 0.1; done
display=":$(head -n 1 "$displayfile")"
# A private runtime directory and a fresh copy of the shipped settings: the user's own are not touched.
scratch="$(mktemp -d)"
mkdir -p "$scratch/runtime" "$scratch/config/quorrel-baccarat"
chmod 700 "$scratch/runtime"
cp "$root/resources/BACCARAT.INI" "$root/resources/BACCARAT.HLP" "$scratch/config/quorrel-baccarat/"
DISPLAY="$display" XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config" QT_QPA_PLATFORM=xcb \
  "$root/build/baccarat-screenshots" "$out"
rm -rf "$scratch"
