#!/usr/bin/env bash
# Installs what is missing, builds, puts the default settings and help files in place when they are
# absent (never over the user's own), and starts the game.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh" quorrel-baccarat baccarat-sim

config="${XDG_CONFIG_HOME:-$HOME/.config}/quorrel-baccarat"
mkdir -p -m 0700 "$config" # the game runs only on a settings directory no one else can write
for file in BACCARAT.INI BACCARAT.HLP; do
  if [ -f "$root/resources/$file" ] && [ ! -e "$config/$file" ]; then
    cp "$root/resources/$file" "$config/$file"
  fi
done

exec "$root/build/quorrel-baccarat" "$@"
