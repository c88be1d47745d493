# The whole path in a real window: a quiet start, the main menu, the maps screen and its marked
# choice, a refused empty slot, the battlefield, the computer's turns, a failed save's message
# over the in-game menu, the close button that asks, saved slots that tell what they hold and
# load the same game, the evening's dark over the map only, and the close button on the menu.
. "$2/tests/xvfb/pomocnicze/okno.sh"
przygotuj_katalog

# wczytaj_slot N: a new start that loads saved slot N; the saved-games screen is zapisy.png.
wczytaj_slot() {
  uruchom_gre || blad "start for slot $1"
  przycisk $GX $GY
  zrzut "$KATALOG/zapisy.png"
  slot_odczytu "$1"
  sleep 2
  zyje "loading slot $1"
}

uruchom_gre || blad "start"
sleep 1
[ ! -s "$KATALOG/wyjscie.txt" ] || blad "the game printed at start: $(head -3 "$KATALOG/wyjscie.txt")"
[ -d /dev/snd ] || [ "$(grep -c 'No sound card' "$KATALOG/log.txt" 2>/dev/null)" = 1 ] ||
  blad "log.txt does not say once that there is no sound card"
zrzut "$KATALOG/menu.png"
[ "$(liczba_kolorow "$KATALOG/menu.png")" -gt 200 ] || blad "the main menu looks empty"
# The button panel lies over the background: its area is not one flat colour.
[ "$(liczba_kolorow "$KATALOG/menu.png" 150x250+657+288)" -gt 20 ] || blad "no menu panel"
klawisz Escape
zyje "Esc on the main menu"

przycisk $MX $MY
zrzut "$KATALOG/mapy.png"
for miejsce in 60x60+624+330 60x60+789+330 60x60+624+455 60x60+789+455; do
  [ "$(liczba_kolorow "$KATALOG/mapy.png" $miejsce)" -gt 2 ] || blad "thumbnail missing at $miejsce"
done
# The map new game starts is framed: map 1 at first, then the one chosen.
ramka_mapy() { [ "$(kolor "$1" $(( $2 - 28 )) $(( $3 + 50 )))" = 255,214,64 ]; }
ramka_mapy "$KATALOG/mapy.png" 624 330 || blad "map 1 is not marked before a choice"
przycisk 765 410   # map 2
przycisk $MX $MY
zrzut "$KATALOG/mapy2.png"
ramka_mapy "$KATALOG/mapy2.png" 789 330 && ! ramka_mapy "$KATALOG/mapy2.png" 624 330 ||
  blad "the chosen map 2 is not the one marked"
przycisk 600 410   # map 1

przycisk $GX $GY
slot_odczytu 4     # holds no game
sleep 0.5
zyje "an empty slot"
zamknij_komunikat
przycisk $NX $NY   # new game: map 1, not the refused slot
sleep 2
zyje "on loading: $(cat "$KATALOG/wyjscie.txt")"
zrzut "$KATALOG/gra.png"
[ "$(liczba_kolorow "$KATALOG/gra.png" 1024x583+0+0)" -gt 100 ] || blad "the battlefield looks empty"
cmp -s "$KATALOG/menu.png" "$KATALOG/gra.png" && blad "still on the menu"
# Where no field lies (between the tops of the first row, left of the odd rows) the screen is black.
for punkt in "30 5" "5 50" "5 110"; do
  [ "$(kolor "$KATALOG/gra.png" $punkt)" = 0,0,0 ] || blad "not black at $punkt where no field lies"
done

for _ in 1 2; do   # two ends of turn: the computer plays the yellow side in between
  zakoncz_ture
  sleep 3
done
zyje "during the computer's turn"

# A save that fails opens its message over the in-game menu: slot 3 does not show through.
mkdir "$KATALOG/Zapisane_gry/5.sav"
zapisz 5
zrzut "$KATALOG/blad_zapisu.png"
IFS=, read -r R _ B <<<"$(kolor "$KATALOG/blad_zapisu.png" 470 268)"
[ "$R" -gt "$B" ] || blad "the in-game menu shows through the message window ($R,$B)"
zamknij_komunikat  # the menu stays open
slot_zapisu 1
sleep 0.5
[ -s "$KATALOG/Zapisane_gry/1.sav" ] || blad "slot 1 was not written"
zamknij_okno
zyje "the close button did not ask"
potwierdz
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
zapisz 2   # the loaded game is the one saved: saved again, it is the same file
sleep 0.2
cmp -s "$KATALOG/Zapisane_gry/1.sav" "$KATALOG/Zapisane_gry/2.sav" || blad "the loaded game differs from the saved one"

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
