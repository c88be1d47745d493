#!/usr/bin/env bash
# Start-up time to the main menu, idle processor use on the menu and on the game screen (the
# game and the X server drawing for it), the time the computer's first turn on map 1 takes
# on screen, and memory in use after loading a game, measured on the real binary in a window.
#   xvfb-run -a -s "-screen 0 1024x768x24" bash bench/pomiar_okna.sh build/gra .
set -u
GRA=$(realpath "$1")
ZRODLA=$(realpath "$2")
. "$ZRODLA/tests/xvfb/pomocnicze/okno.sh"
przygotuj_katalog
takty=$(getconf CLK_TCK)

# The X server of this display: the process named Xvfb (or Xorg) whose first argument is it.
serwer_x() {
  local p argv
  for p in /proc/[0-9]*; do
    argv=$(tr '\0' ' ' <"$p/cmdline" 2>/dev/null) || continue
    case "$argv" in
      *Xvfb\ "$DISPLAY"\ * | *Xorg\ "$DISPLAY"\ *) echo "${p#/proc/}"; return ;;
    esac
  done
}
PID_X=${PID_X:-$(serwer_x)}
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Percent of one core over the given seconds: the game, the X server and both together.
zuzycie() {
  local g1 x1 g2 x2
  g1=$(cpu "$PID_GRY"); x1=$( [ -n "$PID_X" ] && cpu "$PID_X" || echo 0)
  sleep "$1"
  g2=$(cpu "$PID_GRY"); x2=$( [ -n "$PID_X" ] && cpu "$PID_X" || echo 0)
  local g x
  g=$(echo "scale=1; 100 * ($g2 - $g1) / ($takty * $1)" | bc)
  x=$(echo "scale=1; 100 * ($x2 - $x1) / ($takty * $1)" | bc)
  echo "$(echo "$g + $x" | bc) % of one core (game $g %, X server $x %)"
}
# The side on turn, read from the emblem beside the minimap: blue or yellow.
strona() {
  local k
  k=$(xwd -root -silent | convert xwd:- -crop 1x1+800+690 -format "%[fx:int(255*r)] %[fx:int(255*b)]" info: 2>/dev/null)
  set -- $k
  if [ "${1:-0}" -gt "${2:-0}" ]; then echo yellow; else echo blue; fi
}

start=$(date +%s%N)
(cd "$KATALOG" && exec "$GRA" windowed >/dev/null 2>&1) &
PID_GRY=$!
until OKNO=$(xdotool search --onlyvisible --name Twierdze 2>/dev/null | head -1) && [ -n "$OKNO" ]; do sleep 0.01; done
koniec=$(date +%s%N)
echo "start-up to the menu window: $(( (koniec - start) / 1000000 )) ms"
[ -n "$PID_X" ] || echo "(X server not found: its share is not counted)"
xdotool mousemove --window "$OKNO" 300 200
sleep 2
echo "idle CPU on the main menu: $(zuzycie 10)"
NX=$(wartosc_cfg "$KATALOG/gm_en.cfg" button_nowagra x); NY=$(wartosc_cfg "$KATALOG/gm_en.cfg" button_nowagra y)
kliknij $((NX + 50)) $((NY + 10))
sleep 3
xdotool mousemove --window "$OKNO" 500 300
sleep 1
echo "idle CPU on the game screen: $(zuzycie 10)"
echo "memory after loading map 1: $(awk '/VmRSS/ {print $2, $3}' /proc/$PID_GRY/status) resident"
# The computer's first turn: from the click on "end turn" until blue is on turn again.
xdotool mousemove --window "$OKNO" 800 750
sleep 0.3
przed=$(date +%s%N)
xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; sleep 0.05
xdotool mousemove --window "$OKNO" 500 300
sleep 0.3
until [ "$(strona)" = blue ]; do sleep 0.05; done
po=$(date +%s%N)
echo "the computer's first turn on map 1 on screen: $(( (po - przed) / 1000000 )) ms"
