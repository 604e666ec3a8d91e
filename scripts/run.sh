#!/usr/bin/env bash
# Sets up, builds and starts Chromaflick.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/src/chromaflick "$@"
