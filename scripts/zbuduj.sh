#!/usr/bin/env bash
# Configures and builds everything into build/ (or $GRA_BUDOWA), one line a stage; the full
# output is in build/logi/. Extra words go to the configuring cmake.
set -euo pipefail
korzen=$(cd "$(dirname "$0")/.." && pwd)
. "$korzen/scripts/etapy.sh"
etap "Configuring" konfiguracja cmake -S "$korzen" -B "$budowa" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
etap_z_postepem "Building" budowanie cmake --build "$budowa" -j"$(nproc)"
