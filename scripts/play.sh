#!/usr/bin/env bash
# Builds everything and starts the game in a window. Extra arguments go to the
# game ("-fs" for full screen).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$ROOT/scripts/setup.sh"
cd "$ROOT/bin"
exec ./corvalo_slots "$@"
