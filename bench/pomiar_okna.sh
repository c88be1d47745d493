#!/usr/bin/env bash
# Start-up time to the main menu, idle processor use on the menu and on the game screen, and
# memory in use after loading a game, measured on the real binary in a window.
#   xvfb-run -a -s "-screen 0 1024x768x24" bash bench/pomiar_okna.sh build/gra .
set -u
GRA=$(realpath "$1")
ZRODLA=$(realpath "$2")
. "$ZRODLA/tests/xvfb/pomocnicze/okno.sh"
przygotuj_katalog
takty=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$PID_GRY/stat"; }
zuzycie() {  # percent of one core over the given seconds
  local a b; a=$(cpu); sleep "$1"; b=$(cpu)
  echo "scale=1; 100 * ($b - $a) / ($takty * $1)" | bc
}
start=$(date +%s%N)
(cd "$KATALOG" && exec "$GRA" windowed >/dev/null 2>&1) &
PID_GRY=$!
until OKNO=$(xdotool search --onlyvisible --name Twierdze 2>/dev/null | head -1) && [ -n "$OKNO" ]; do sleep 0.01; done
koniec=$(date +%s%N)
echo "start-up to the menu window: $(( (koniec - start) / 1000000 )) ms"
sleep 2
echo "idle CPU on the main menu: $(zuzycie 10) % of one core"
NX=$(wartosc_cfg "$KATALOG/gm_en.cfg" button_nowagra x); NY=$(wartosc_cfg "$KATALOG/gm_en.cfg" button_nowagra y)
kliknij $((NX + 50)) $((NY + 10))
sleep 3
xdotool mousemove --window "$OKNO" 500 300
sleep 1
echo "idle CPU on the game screen: $(zuzycie 10) % of one core"
echo "memory after loading map 1: $(awk '/VmRSS/ {print $2, $3}' /proc/$PID_GRY/status) resident"
