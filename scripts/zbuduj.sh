#!/usr/bin/env bash
# Configures and builds everything into build/ (or $GRA_BUDOWA).
set -euo pipefail
korzen=$(cd "$(dirname "$0")/.." && pwd)
budowa=${GRA_BUDOWA:-$korzen/build}
cmake -S "$korzen" -B "$budowa" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$budowa" -j"$(nproc)" 2>&1 | grep -E 'error|warning: unused|Error' || true
cmake --build "$budowa" -j"$(nproc)" >/dev/null
