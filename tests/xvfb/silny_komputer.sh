# The strong computer in a real window: chosen beside the computer's side on the options
# screen, it plays the yellow side's turn once the player ends one (the end-turn button is
# hidden while it plays), then hands the turn back; the game saved afterwards shows the
# yellow side bought fighters, which the classic computer never does on its first turn.
set -u
GRA=$1
ZRODLA=$2
. "$ZRODLA/tests/xvfb/pomocnicze/okno.sh"
blad() { echo "FAIL: $*"; exit 1; }

przygotuj_katalog
CFG="$KATALOG/gm_en.cfg"
NX=$(wartosc_cfg "$CFG" button_nowagra x); NY=$(wartosc_cfg "$CFG" button_nowagra y)
OX=$(wartosc_cfg "$CFG" button_opcje x); OY=$(wartosc_cfg "$CFG" button_opcje y)
PRZYCISK_SILY=108x22+678+380
PRZYCISK_TURY=60x22+775+740  # the end-turn button without the hour beside it

# odsun: the pointer to the middle of the map, where it neither scrolls nor lights a button.
odsun() { xdotool mousemove --window "$OKNO" 512 300; sleep 0.3; }

uruchom_gre || blad "start"
kliknij $((OX + 50)) $((OY + 10))     # options
odsun
zrzut "$KATALOG/klasyczny.png"
kliknij $((678 + 50)) $((380 + 10))   # the computer's strength
odsun
zrzut "$KATALOG/silny.png"
[ "$(convert "$KATALOG/klasyczny.png" "$KATALOG/silny.png" -crop $PRZYCISK_SILY +repage \
    -compose difference -composite -format '%[fx:maxima]' info: 2>/dev/null | cut -c1-4)" != 0 ] ||
  blad "the strength button did not change its label"
kliknij $((678 + 50)) $((500 + 10))   # back
kliknij $((NX + 50)) $((NY + 10))     # new game on map 1; the computer plays yellow
sleep 2
kill -0 "$PID_GRY" 2>/dev/null || blad "the game ended on loading: $(cat "$KATALOG/wyjscie.txt")"
# na_zoltych: holds the pointer at the right edge until the view stops at the map's right end,
# where the yellow castle stands; the picture of the map goes to the file.
na_zoltych() {
  xdotool mousemove --window "$OKNO" 960 300
  sleep 4
  zrzut "$1"
}
ZEGAR=16x14+754+741  # the hour, left of the end-turn button

na_zoltych "$KATALOG/zolci_przed.png"
odsun
zrzut "$KATALOG/tura_gracza.png"

# End the turn; the computer's turn is over when the hour has moved on by a whole hour (two
# ends of turn) and the end-turn button is back.
kliknij $((750 + 50)) $((740 + 10))
odsun
wycinek() { convert "$1" -crop "$2" +repage rgb:- 2>/dev/null | md5sum; }
PRZYCISK=$(wycinek "$KATALOG/tura_gracza.png" $PRZYCISK_TURY)
GODZINA=$(wycinek "$KATALOG/tura_gracza.png" $ZEGAR)
oddana=0
for _ in $(seq 1 150); do
  xwd -id "$OKNO" -silent 2>/dev/null | convert xwd:- png:"$KATALOG/teraz.png" 2>/dev/null
  if [ "$(wycinek "$KATALOG/teraz.png" $PRZYCISK_TURY)" = "$PRZYCISK" ] &&
     [ "$(wycinek "$KATALOG/teraz.png" $ZEGAR)" != "$GODZINA" ]; then
    oddana=1
    break
  fi
  sleep 0.2
done
kill -0 "$PID_GRY" 2>/dev/null || blad "the game ended during the computer's turn"
[ $oddana = 1 ] || blad "the computer did not hand the turn back"
# Its turn shows on the battlefield: the yellow side's corner of the map has changed.
na_zoltych "$KATALOG/zolci_po.png"
[ "$(wycinek "$KATALOG/zolci_przed.png" 1024x583+0+0)" != "$(wycinek "$KATALOG/zolci_po.png" 1024x583+0+0)" ] ||
  blad "nothing of the yellow side moved"
odsun

kliknij $((400 + 50)) $((740 + 10))   # options: the in-game menu
kliknij $((455 + 50)) $((200 + 10))   # save 1
sleep 0.5
ZAPIS="$KATALOG/Zapisane_gry/1.sav"
[ -s "$ZAPIS" ] || blad "slot 1 was not written"
zolci() { grep -o '[A-Z] 2 [0-9]* [0-9]* ' "$1" | wc -l; }
PRZED=$(zolci "$KATALOG/Pliki_danych/Mapy/map1.sce")
PO=$(zolci "$ZAPIS")
[ "$PO" -gt "$PRZED" ] || blad "the yellow side bought nothing ($PRZED units before, $PO after)"
[ -n "${GRA_ZRZUTY:-}" ] && cp "$KATALOG"/*.png "$GRA_ZRZUTY"/
echo "PASS"
