#!/usr/bin/env bash
# Sets up, builds and runs every test: formatting, unit suites and the end-to-end suite under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/check-format.sh
cmake --preset default
cmake --build --preset default
ctest --preset default
