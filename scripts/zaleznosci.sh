#!/usr/bin/env bash
# Installs the Debian packages the game, its tests and its content tools need; quiet and idempotent.
set -euo pipefail
korzen=$(cd "$(dirname "$0")/.." && pwd)
potrzebne=(cmake g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  liballegro4-dev libloadpng4-dev libpng-dev libmpg123-dev libmp3lame-dev libasound2-dev
  xvfb xdotool x11-apps x11-utils imagemagick dpkg-dev desktop-file-utils)
bez_polecanych=(xauth)
brakuje=()
for p in "${potrzebne[@]}" "${bez_polecanych[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || brakuje+=("$p")
done
if [ ${#brakuje[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${brakuje[*]} (run as root to install them)" >&2
    exit 1
  fi
  . "$korzen/scripts/etapy.sh"
  instaluj() {
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${potrzebne[@]}"
    apt-get install -y -qq --no-install-recommends "${bez_polecanych[@]}"
  }
  etap "Installing packages: ${brakuje[*]}" pakiety instaluj
fi
