#!/usr/bin/env bash
# Fails on any include that points up the layers (core < platform < ui), headers included, and on
# system access in core: core reads and writes bytes and values handed to it, never a file or the
# clock. Static libraries would link a header-only include upward without a murmur, so this reads
# the sources themselves.
set -uo pipefail
src=${1:?usage: check-layers.sh SOURCE_DIR}/src
status=0

# A layer and the layer folders its files may include.
check_layer() {
    local layer=$1 allowed=$2
    local hits
    hits=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([./]*/)?(core|platform|ui)/' \
        "$src/$layer" --include='*.h' --include='*.cpp' --include='*.h.in' |
        grep -vE "[<\"]([./]*/)?($allowed)/")
    if [[ -n $hits ]]; then
        echo "$layer may include only $allowed:"
        echo "${hits//$src\//src/}"
        status=1
    fi
}

check_layer core 'core'
check_layer platform 'core|platform'
check_layer ui 'core|platform|ui'

# Reading or writing a file, or reading the clock, belongs in platform.
system=$(grep -rnE '\b(QFile|QSaveFile|QFileInfo|QDir|QTemporaryFile|QLockFile|QDateTime|QTime|QElapsedTimer|QDeadlineTimer|QStandardPaths|fopen|ifstream|ofstream|fstream|system_clock|steady_clock|high_resolution_clock|qgetenv|getenv)\b|<(fstream|ctime|unistd\.h|fcntl\.h)>' \
    "$src/core" --include='*.h' --include='*.cpp')
if [[ -n $system ]]; then
    echo "core holds no system access (files, clock, environment):"
    echo "${system//$src\//src/}"
    status=1
fi

[[ $status -eq 0 ]] && echo "layers: every include points down; core holds no system access"
exit $status
