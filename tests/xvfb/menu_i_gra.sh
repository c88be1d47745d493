# The whole path in a real window: the game starts without a word on the terminal (and, with
# no sound card, one line about it in log.txt); the main menu shows its background, panel and
# buttons, and Esc there does nothing; the maps screen shows the four thumbnails and marks the
# chosen map; an empty slot is refused and new game then starts the chosen map; new game opens
# the battlefield with black where no field lies; ending turns lets the computer play; a failed
# save shows its message over the in-game menu, which then saves into slot 1; the window's
# close button asks first, and quitting ends with status -1; a second start shows what each
# slot holds and loads the saved game, and it saves again into the same file; the same game
# late in the evening is shaded dark over the map only; on the menu the close button quits.
set -u
GRA=$1
ZRODLA=$2
. "$ZRODLA/tests/xvfb/pomocnicze/okno.sh"
blad() { echo "FAIL: $*"; exit 1; }

przygotuj_katalog
CFG="$KATALOG/gm_en.cfg"

NX=$(wartosc_cfg "$CFG" button_nowagra x); NY=$(wartosc_cfg "$CFG" button_nowagra y)
MX=$(wartosc_cfg "$CFG" button_wczytajmape x); MY=$(wartosc_cfg "$CFG" button_wczytajmape y)
GX=$(wartosc_cfg "$CFG" button_wczytajgre x); GY=$(wartosc_cfg "$CFG" button_wczytajgre y)

# Quits through the in-game menu and its confirmation: the game ends with status -1.
wyjdz_z_gry() {
  kliknij $((400 + 50)) $((740 + 10))   # options: the in-game menu
  kliknij $((455 + 50)) $((410 + 10))   # exit
  kliknij $((320 + 70 + 50)) $((216 + 125 + 10))  # ok
  [ "$(czekaj_na_koniec 10)" = 255 ] || blad "quitting did not end the game with status -1"
}

# Starts the game and loads saved slot N (1..5) from the saved-games screen, which is kept
# as zapisy.png.
wczytaj_slot() {
  uruchom_gre || blad "start for slot $1"
  kliknij $((GX + 50)) $((GY + 10))
  zrzut "$KATALOG/zapisy.png"
  kliknij $((678 + 50)) $((320 + 30 * ($1 - 1) + 10))
  sleep 2
  kill -0 "$PID_GRY" 2>/dev/null || blad "loading slot $1 ended the game"
}

uruchom_gre || blad "start"
# Without a sound card the game says so once in its log and prints nothing on the terminal.
sleep 1
[ ! -s "$KATALOG/wyjscie.txt" ] || blad "the game printed at start: $(head -3 "$KATALOG/wyjscie.txt")"
if [ ! -d /dev/snd ]; then
  [ "$(grep -c 'No sound card' "$KATALOG/log.txt" 2>/dev/null)" = 1 ] || blad "log.txt does not say once that there is no sound card"
fi
zrzut "$KATALOG/menu.png"
[ "$(liczba_kolorow "$KATALOG/menu.png")" -gt 200 ] || blad "the main menu looks empty"
# The button panel lies over the background: its area is not one flat colour.
[ "$(liczba_kolorow "$KATALOG/menu.png" 150x250+657+288)" -gt 20 ] || blad "no menu panel"

klawisz Escape
kill -0 "$PID_GRY" 2>/dev/null || blad "Esc on the main menu ended the game"

kliknij $((MX + 50)) $((MY + 10))
zrzut "$KATALOG/mapy.png"
for miejsce in 60x60+624+330 60x60+789+330 60x60+624+455 60x60+789+455; do
  [ "$(liczba_kolorow "$KATALOG/mapy.png" $miejsce)" -gt 2 ] || blad "thumbnail missing at $miejsce"
done
# The map new game starts is framed: map 1 at first, then the one chosen.
ramka_mapy() { [ "$(kolor "$1" $(( $2 - 28 )) $(( $3 + 50 )))" = 255,214,64 ]; }
ramka_mapy "$KATALOG/mapy.png" 624 330 || blad "map 1 is not marked before a choice"
kliknij $((765 + 50)) $((410 + 10))   # map 2
kliknij $((MX + 50)) $((MY + 10))
zrzut "$KATALOG/mapy2.png"
ramka_mapy "$KATALOG/mapy2.png" 789 330 && ! ramka_mapy "$KATALOG/mapy2.png" 624 330 ||
  blad "the chosen map 2 is not the one marked"
kliknij $((600 + 50)) $((410 + 10))   # map 1

kliknij $((GX + 50)) $((GY + 10))
kliknij $((678 + 50)) $((410 + 10))   # slot 4 holds no game
sleep 0.5
kill -0 "$PID_GRY" 2>/dev/null || blad "an empty slot ended the game"
kliknij $((320 + 130 + 50)) $((216 + 125 + 10))  # acknowledge the refusal
kliknij $((NX + 50)) $((NY + 10))     # new game: map 1, not the refused slot
sleep 2
kill -0 "$PID_GRY" 2>/dev/null || blad "the game ended on loading: $(cat "$KATALOG/wyjscie.txt")"
zrzut "$KATALOG/gra.png"
[ "$(liczba_kolorow "$KATALOG/gra.png" 1024x583+0+0)" -gt 100 ] || blad "the battlefield looks empty"
cmp -s "$KATALOG/menu.png" "$KATALOG/gra.png" && blad "still on the menu"
# Where no field lies (between the tops of the first row, left of the odd rows) the screen
# is black, not the menu's picture.
for punkt in "30 5" "5 50" "5 110"; do
  [ "$(kolor "$KATALOG/gra.png" $punkt)" = 0,0,0 ] || blad "not black at $punkt where no field lies"
done

# Two ends of turn: the computer plays the yellow side in between.
for _ in 1 2; do
  kliknij $((750 + 50)) $((740 + 10))
  sleep 3
done
kill -0 "$PID_GRY" 2>/dev/null || blad "the game ended during the computer's turn"

# A save that fails opens its message over the in-game menu: slot 3 does not show through.
mkdir "$KATALOG/Zapisane_gry/5.sav"
kliknij $((400 + 50)) $((740 + 10))   # options: the in-game menu
kliknij $((455 + 50)) $((320 + 10))   # save 5: a folder holds its place
sleep 0.3
zrzut "$KATALOG/blad_zapisu.png"
IFS=, read -r R _ B <<<"$(kolor "$KATALOG/blad_zapisu.png" 470 268)"
[ "$R" -gt "$B" ] || blad "the in-game menu shows through the message window ($R,$B)"
kliknij $((320 + 130 + 50)) $((216 + 125 + 10))  # acknowledge; the menu stays open
kliknij $((455 + 50)) $((200 + 10))   # save 1
sleep 0.5
[ -s "$KATALOG/Zapisane_gry/1.sav" ] || blad "slot 1 was not written"
zamknij_okno
kill -0 "$PID_GRY" 2>/dev/null || blad "the close button ended the game without asking"
kliknij $((320 + 70 + 50)) $((216 + 125 + 10))  # ok
[ "$(czekaj_na_koniec 10)" = 255 ] || blad "the confirmed close did not end the game with status -1"
wczytaj_slot 1
# Each slot's label says what it holds: slot 1 a map and an hour, slot 4 that it is empty.
szerokosc_napisu() {
  convert "$KATALOG/zapisy.png" -crop 100x14+682+$(( 320 + 30 * ($1 - 1) + 4 )) +repage \
    -fuzz 25% -fill black +opaque white -trim -format %w info:
}
[ "$(szerokosc_napisu 1)" -gt $(( $(szerokosc_napisu 4) + 15 )) ] ||
  blad "the slot labels do not tell a saved game from an empty slot"
zrzut "$KATALOG/wczytana.png"
[ "$(liczba_kolorow "$KATALOG/wczytana.png" 1024x583+0+0)" -gt 100 ] || blad "the loaded game looks empty"
# The loaded game is the one saved: saved again into slot 2, it is the same file.
kliknij $((400 + 50)) $((740 + 10))
kliknij $((455 + 50)) $((230 + 10))   # save 2
sleep 0.5
cmp -s "$KATALOG/Zapisane_gry/1.sav" "$KATALOG/Zapisane_gry/2.sav" ||
  blad "the loaded game differs from the saved one"

# The same game at ten in the evening, from slot 3: the battlefield lies in the dark, the
# panel below it does not.
awk 'NR == 1 { $3 = "22.000000" } { print }' "$KATALOG/Zapisane_gry/1.sav" >"$KATALOG/Zapisane_gry/3.sav"
wyjdz_z_gry
wczytaj_slot 3
zrzut "$KATALOG/noc.png"
DZIEN=$(jasnosc "$KATALOG/wczytana.png" 1024x583+0+0)
NOC=$(jasnosc "$KATALOG/noc.png" 1024x583+0+0)
[ $((NOC * 10)) -lt $((DZIEN * 8)) ] || blad "the night ($NOC) is not darker than the day ($DZIEN)"
[ "$(jasnosc "$KATALOG/noc.png" 1024x185+0+583)" -ge $(( $(jasnosc "$KATALOG/wczytana.png" 1024x185+0+583) - 3 )) ] ||
  blad "the night shading reached the command panel"
wyjdz_z_gry

uruchom_gre || blad "start for the close button"
zamknij_okno
[ "$(czekaj_na_koniec 3)" = 255 ] || blad "the close button on the menu did not quit"
[ -n "${GRA_ZRZUTY:-}" ] && cp "$KATALOG"/*.png "$GRA_ZRZUTY"/
echo "PASS"
