# Helpers for the real-window tests: a private copy of the game's data, starting the game in
# a window on the test display, clicks on its buttons, and looks at screenshots. Sourced by a
# test with its arguments, the game binary and the source tree (unless GRA and ZRODLA are set).
set -u
GRA=${GRA:-$1}
ZRODLA=${ZRODLA:-$2}

blad() { echo "FAIL: $*"; exit 1; }

przygotuj_katalog() {
  KATALOG=$(mktemp -d /tmp/gra_okno.XXXXXX)
  cp -r "$ZRODLA/Pliki_danych" "$KATALOG/"
  cp "$ZRODLA"/gm_*.cfg "$ZRODLA/config.cfg" "$KATALOG/"
  mkdir -p "$KATALOG/Zapisane_gry"
  trap 'zakoncz_gre; rm -rf "$KATALOG"' EXIT
}
sprzataj() { zakoncz_gre; rm -rf "$KATALOG"; trap - EXIT; }  # for a test that makes many

# A start that finds no X server to talk to (a busy machine) is tried once more.
uruchom_gre() { uruchom_raz "$@" || { grep -q "Cannot start the graphics" "$KATALOG/wyjscie.txt" && sleep 1 && uruchom_raz "$@"; }; }
uruchom_raz() {
  (cd "$KATALOG" && exec "$GRA" windowed "$@" >"$KATALOG/wyjscie.txt" 2>&1) &
  PID_GRY=$!
  OKNO=""
  for _ in $(seq 1 100); do
    OKNO=$(xdotool search --name Twierdze 2>/dev/null | head -1)
    [ -n "$OKNO" ] && { sleep 1.5; return 0; }
    kill -0 "$PID_GRY" 2>/dev/null || { echo "the game ended before its window opened"; cat "$KATALOG/wyjscie.txt"; return 1; }
    sleep 0.1
  done
  echo "no game window"
  return 1
}

zakoncz_gre() { [ -n "${PID_GRY:-}" ] && kill "$PID_GRY" 2>/dev/null && wait "$PID_GRY" 2>/dev/null; PID_GRY=""; }

# czekaj_na_koniec SECONDS: waits for the game to end and prints its exit status.
czekaj_na_koniec() {
  for _ in $(seq 1 $(( $1 * 10 ))); do
    kill -0 "$PID_GRY" 2>/dev/null || { wait "$PID_GRY"; local k=$?; PID_GRY=""; echo "$k"; return 0; }
    sleep 0.1
  done
  echo "running"
}
zyje() { kill -0 "$PID_GRY" 2>/dev/null || blad "the game ended $1"; }  # zyje WHEN: still running

# kliknij X Y: a left click at game screen coordinates; przycisk X Y: a click on the button
# whose top left corner is there.
kliknij() {
  xdotool mousemove --window "$OKNO" "$1" "$2"; sleep 0.15
  xdotool mousedown 1; sleep 0.15
  xdotool mouseup 1; sleep 0.4
}
przycisk() { kliknij $(($1 + 50)) $(($2 + 10)); }
klawisz() { xdotool keydown "$1"; sleep 0.1; xdotool keyup "$1"; sleep 0.3; }  # klawisz Escape
zamknij_okno() { "$(dirname "$GRA")/zamknij_okno" "$OKNO"; sleep 0.4; }  # as a window manager does
# odsun: the pointer to the middle of the map, where it neither scrolls nor lights a button.
odsun() { xdotool mousemove --window "$OKNO" 512 300; sleep 0.3; }

# wartosc_cfg FILE SECTION KEY: a value from a configuration file.
wartosc_cfg() {
  awk -v s="[$2]" -v k="$3" '
    $0 == s { w = 1; next }
    /^\[/ { w = 0 }
    w { split($0, a, "="); gsub(/[ \t\r]/, "", a[1]); if (a[1] == k) { v = a[2]; gsub(/^[ \t]+|[ \t\r]+$/, "", v); print v; exit } }
  ' "$1"
}

# The main menu's buttons as the English file places them: NX NY new game, MX MY maps, GX GY
# saved games, OX OY options, WX WY exit. Then the message window's, the in-game menu's.
C="$ZRODLA/gm_en.cfg"
NX=$(wartosc_cfg "$C" button_nowagra x); NY=$(wartosc_cfg "$C" button_nowagra y)
MX=$(wartosc_cfg "$C" button_wczytajmape x); MY=$(wartosc_cfg "$C" button_wczytajmape y)
GX=$(wartosc_cfg "$C" button_wczytajgre x); GY=$(wartosc_cfg "$C" button_wczytajgre y)
OX=$(wartosc_cfg "$C" button_opcje x); OY=$(wartosc_cfg "$C" button_opcje y)
WX=$(wartosc_cfg "$C" button_wyjscie x); WY=$(wartosc_cfg "$C" button_wyjscie y)
potwierdz() { przycisk $((320 + 70)) $((216 + 125)); }           # ok in a question
zamknij_komunikat() { przycisk $((320 + 130)) $((216 + 125)); }  # acknowledges a message
menu_gry() { przycisk 400 740; }                                 # options: the in-game menu
zakoncz_ture() { przycisk 750 740; }
# slot_zapisu N / slot_odczytu N: slot N (1..5) in the in-game menu / on the saved-games screen.
slot_zapisu() { przycisk 455 $((200 + 30 * ($1 - 1))); }
slot_odczytu() { przycisk 678 $((320 + 30 * ($1 - 1))); }
# zapisz N: saves into slot N through the in-game menu.
zapisz() { menu_gry; slot_zapisu "$1"; sleep 0.3; }
# wyjdz_z_gry: quits through the in-game menu and its question; the game ends with status -1.
wyjdz_z_gry() {
  menu_gry; przycisk 455 410; potwierdz
  [ "$(czekaj_na_koniec 10)" = 255 ] || blad "quitting did not end the game with status -1"
}

# zrzut FILE: a PNG of the game window.
zrzut() { import -window "$OKNO" "$1" 2>/dev/null || import -window root -crop 1024x768+0+0 "$1"; }
# liczba_kolorow FILE [geometry]: distinct colours in the picture (or a part of it).
liczba_kolorow() { convert "$1" ${2:+-crop "$2" +repage} -format %k info:; }
# rozne FILE1 FILE2 geometry: true when the two pictures differ in that part.
rozne() {
  [ "$(convert "$1" "$2" -crop "$3" +repage -compose difference -composite -format '%[fx:maxima]' info:)" != 0 ]
}
# kolor FILE X Y: the colour of one pixel as "r,g,b".
kolor() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
# jasnosc FILE geometry: mean brightness of a part of the picture, 0 to 100.
jasnosc() { convert "$1" -crop "$2" +repage -colorspace Gray -format "%[fx:int(100*mean)]" info:; }
