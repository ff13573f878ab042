#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole suite headless. Non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "$root/build"
# Tests labelled "long" (statistical checks over many millions of hands) run only when asked for:
# ctest -L long.
ctest --output-on-failure -j "$(nproc)" -LE long "$@"
