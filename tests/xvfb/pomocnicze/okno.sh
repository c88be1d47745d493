# Helpers for the real-window tests: a private copy of the game's data, starting the game in
# a window on the test display, clicking at game coordinates and taking screenshots.
# Sourced by the tests; expects GRA (the binary) and ZRODLA (the source tree).

przygotuj_katalog() {
  KATALOG=$(mktemp -d /tmp/gra_okno.XXXXXX)
  cp -r "$ZRODLA/Pliki_danych" "$KATALOG/"
  cp "$ZRODLA"/gm_*.cfg "$ZRODLA/config.cfg" "$KATALOG/"
  mkdir -p "$KATALOG/Zapisane_gry"
  trap 'zakoncz_gre; rm -rf "$KATALOG"' EXIT
}

uruchom_gre() {
  (cd "$KATALOG" && exec "$GRA" windowed "$@" >"$KATALOG/wyjscie.txt" 2>&1) &
  PID_GRY=$!
  OKNO=""
  for _ in $(seq 1 100); do
    OKNO=$(xdotool search --name Twierdze 2>/dev/null | head -1)
    [ -n "$OKNO" ] && break
    kill -0 "$PID_GRY" 2>/dev/null || { echo "the game ended before its window opened"; cat "$KATALOG/wyjscie.txt"; return 1; }
    sleep 0.1
  done
  [ -n "$OKNO" ] || { echo "no game window"; return 1; }
  sleep 1.5
}

zakoncz_gre() {
  if [ -n "${PID_GRY:-}" ] && kill -0 "$PID_GRY" 2>/dev/null; then
    kill "$PID_GRY" 2>/dev/null
    wait "$PID_GRY" 2>/dev/null
  fi
  PID_GRY=""
}

# kliknij X Y: a left click at game screen coordinates.
kliknij() {
  xdotool mousemove --window "$OKNO" "$1" "$2"
  sleep 0.15
  xdotool mousedown 1
  sleep 0.15
  xdotool mouseup 1
  sleep 0.4
}

# klawisz NAME: a press of one key (an X key name such as Escape).
klawisz() {
  xdotool keydown "$1"
  sleep 0.1
  xdotool keyup "$1"
  sleep 0.3
}

# zamknij_okno: the window's close button, as a window manager presses it.
zamknij_okno() {
  "$(dirname "$GRA")/zamknij_okno" "$OKNO"
  sleep 0.4
}

# zrzut FILE: a PNG of the game window.
zrzut() {
  import -window "$OKNO" "$1" 2>/dev/null || import -window root -crop 1024x768+0+0 "$1"
}

# liczba_kolorow FILE [geometry]: distinct colours in the picture (or a part of it).
liczba_kolorow() {
  if [ -n "${2:-}" ]; then
    convert "$1" -crop "$2" +repage -format %k info:
  else
    convert "$1" -format %k info:
  fi
}

# rozne FILE1 FILE2 geometry: true when the two pictures differ in that part.
rozne() {
  [ "$(convert "$1" "$2" -crop "$3" +repage -compose difference -composite -format '%[fx:maxima]' info:)" != 0 ]
}

# kolor FILE X Y: the colour of one pixel as "r,g,b".
kolor() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# jasnosc FILE geometry: mean brightness of a part of the picture, 0 to 100.
jasnosc() {
  convert "$1" -crop "$2" +repage -colorspace Gray -format "%[fx:int(100*mean)]" info:
}

# wartosc_cfg FILE SECTION KEY: a value from a configuration file.
wartosc_cfg() {
  awk -v s="[$2]" -v k="$3" '
    $0 == s { w = 1; next }
    /^\[/ { w = 0 }
    w { split($0, a, "="); gsub(/[ \t\r]/, "", a[1]); if (a[1] == k) { v = a[2]; gsub(/^[ \t]+|[ \t\r]+$/, "", v); print v; exit } }
  ' "$1"
}

# czekaj_na_koniec SECONDS: waits for the game to end and prints its exit status.
czekaj_na_koniec() {
  for _ in $(seq 1 $(( $1 * 10 ))); do
    if ! kill -0 "$PID_GRY" 2>/dev/null; then
      wait "$PID_GRY"; local k=$?; PID_GRY=""; echo "$k"; return 0
    fi
    sleep 0.1
  done
  echo "running"
}
