# The strong computer, chosen on the options screen, plays the yellow side's turn once the player
# ends one (the end-turn button hidden meanwhile) and hands it back; the game saved afterwards
# shows it bought fighters, which the classic computer never does on its first turn.
. "$2/tests/xvfb/pomocnicze/okno.sh"
przygotuj_katalog
PRZYCISK_TURY=60x22+775+740  # the end-turn button without the hour beside it
ZEGAR=16x14+754+741          # the hour, left of the end-turn button
wycinek() { convert "$1" -crop "$2" +repage rgb:- 2>/dev/null | md5sum; }
# na_zoltych FILE: the pointer held at the right edge until the view stops at the map's right
# end, where the yellow castle stands; the picture of the map goes to the file.
na_zoltych() {
  xdotool mousemove --window "$OKNO" 960 300
  sleep 4
  zrzut "$1"
  odsun
}

uruchom_gre || blad "start"
przycisk $OX $OY
odsun
zrzut "$KATALOG/klasyczny.png"
przycisk 678 380   # the computer's strength
odsun
zrzut "$KATALOG/silny.png"
rozne "$KATALOG/klasyczny.png" "$KATALOG/silny.png" 108x22+678+380 || blad "the strength button did not change its label"
przycisk 678 500   # back
przycisk $NX $NY   # new game on map 1; the computer plays yellow
sleep 2
zyje "on loading: $(cat "$KATALOG/wyjscie.txt")"
na_zoltych "$KATALOG/zolci_przed.png"
zrzut "$KATALOG/tura_gracza.png"

# The computer's turn is over when the hour has moved on by a whole hour (two ends of turn)
# and the end-turn button is back.
zakoncz_ture
odsun
PRZYCISK=$(wycinek "$KATALOG/tura_gracza.png" $PRZYCISK_TURY)
GODZINA=$(wycinek "$KATALOG/tura_gracza.png" $ZEGAR)
oddana=0
for _ in $(seq 1 150); do
  xwd -id "$OKNO" -silent 2>/dev/null | convert xwd:- png:"$KATALOG/teraz.png" 2>/dev/null
  [ "$(wycinek "$KATALOG/teraz.png" $PRZYCISK_TURY)" = "$PRZYCISK" ] &&
    [ "$(wycinek "$KATALOG/teraz.png" $ZEGAR)" != "$GODZINA" ] && { oddana=1; break; }
  sleep 0.2
done
zyje "during the computer's turn"
[ $oddana = 1 ] || blad "the computer did not hand the turn back"
# Its turn shows on the battlefield: the yellow side's corner of the map has changed.
na_zoltych "$KATALOG/zolci_po.png"
rozne "$KATALOG/zolci_przed.png" "$KATALOG/zolci_po.png" 1024x583+0+0 || blad "nothing of the yellow side moved"

zapisz 1
sleep 0.2
ZAPIS="$KATALOG/Zapisane_gry/1.sav"
[ -s "$ZAPIS" ] || blad "slot 1 was not written"
zolci() { grep -o '[A-Z] 2 [0-9]* [0-9]* ' "$1" | wc -l; }
PRZED=$(zolci "$KATALOG/Pliki_danych/Mapy/map1.sce")
PO=$(zolci "$ZAPIS")
[ "$PO" -gt "$PRZED" ] || blad "the yellow side bought nothing ($PRZED units before, $PO after)"
[ -n "${GRA_ZRZUTY:-}" ] && cp "$KATALOG"/*.png "$GRA_ZRZUTY"/
echo "PASS"
