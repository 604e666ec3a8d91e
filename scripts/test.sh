#!/usr/bin/env bash
# Sets up, builds and runs every test: formatting, the end-to-end suites on the optimized build,
# the unit suites under AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/check-format.sh

cmake --preset default
cmake --build --preset default
ctest --preset default

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

cmake --preset fuzz
cmake --build --preset fuzz
scripts/fuzz.sh 10
