# Each data file in turn removed, then replaced with garbage: the game runs without it or stops
# with a message naming it, never crashes and changes no other file. Then a language file cut
# short, a config.cfg that cannot be written, and pipes and folders in place of game files.
. "$2/tests/xvfb/pomocnicze/okno.sh"
porazki=0
blad() { echo "FAIL: $*"; porazki=$((porazki + 1)); }
sumy() { (cd "$KATALOG" && find . -type f ! -name log.txt ! -name wyjscie.txt ! -path "./Zapisane_gry/*" -print0 | sort -z | xargs -0 md5sum); }

sprawdz() {
  local plik=$1 wariant=$2 nazwa przed koniec
  nazwa=$(basename "$plik")
  przygotuj_katalog
  if [ "$wariant" = usun ]; then rm -f "$KATALOG/$plik"; else head -c 3000 /dev/urandom >"$KATALOG/$plik"; fi
  przed=$(sumy)
  if uruchom_gre >/dev/null && ! grep -q "$nazwa" "$KATALOG/wyjscie.txt"; then
    przycisk $NX $NY
    sleep 1.5
  fi
  koniec=$(czekaj_na_koniec 1)
  # Still running: either playing without the file, or showing a message box about it.
  if [ "$koniec" != running ] && [ "$koniec" -gt 128 ] && [ "$koniec" -ne 255 ]; then
    blad "$plik ($wariant): the game crashed with status $koniec"
  elif [ "$koniec" != running ] && ! grep -q "$nazwa" "$KATALOG/wyjscie.txt"; then
    blad "$plik ($wariant): the game stopped (status $koniec) without naming the file"
  fi
  [ "$(sumy)" = "$przed" ] || blad "$plik ($wariant): another file was changed"
  sprzataj
}

for plik in $(cd "$ZRODLA" && ls Pliki_danych/Bitmapy/* Pliki_danych/Fonty/*) Pliki_danych/Mapy/map1.map \
    Pliki_danych/Mapy/map1.sce Pliki_danych/muzyka/{walka,menu,5}.mp3 Pliki_danych/odglosy/test.wav \
    gm_en.cfg gm_pl.cfg config.cfg; do
  for wariant in usun smieci; do sprawdz "$plik" "$wariant"; done
done

# The English file cut short, config.cfg naming English: the menu stands on the Polish texts
# (same places), new game starts, and log.txt names the file passed over.
przygotuj_katalog
head -c 1500 "$ZRODLA/gm_en.cfg" >"$KATALOG/gm_en.cfg"
uruchom_gre || blad "truncated gm_en.cfg: no start"
przycisk $NX $NY
sleep 1.5
zapisz 1
[ -s "$KATALOG/Zapisane_gry/1.sav" ] || blad "truncated gm_en.cfg: the menu did not start a game"
grep -q "gm_en.cfg" "$KATALOG/log.txt" 2>/dev/null || blad "truncated gm_en.cfg: log.txt does not say so"
sprzataj

# config.cfg cannot be written (a folder holds its place): English chosen on the language
# screen is told it was not kept and still holds, so the version line at the bottom changes.
przygotuj_katalog
rm -f "$KATALOG/config.cfg"
mkdir "$KATALOG/config.cfg"
uruchom_gre || blad "config.cfg folder: no start"
xdotool mousemove --window "$OKNO" 900 600
sleep 0.3
zrzut "$KATALOG/przed.png"
przycisk 678 410   # options
przycisk 678 410   # language (under the strength button)
przycisk 678 320   # English
zrzut "$KATALOG/komunikat.png"
rozne "$KATALOG/przed.png" "$KATALOG/komunikat.png" 330x170+320+216 || blad "config.cfg folder: no message"
zamknij_komunikat
zrzut "$KATALOG/po.png"
rozne "$KATALOG/przed.png" "$KATALOG/po.png" 400x16+130+745 || blad "config.cfg folder: the language did not change for the run"
sprzataj

# Something other than a file where a map or saved game should be, and a scenario or saved
# game whose hour is no number: the game refuses it at once with a message naming the file
# (written to log.txt as well), never hangs on it, and after the message the main menu still
# works: its exit button ends the game.
odmowa() {
  local opis=$1 nazwa=$2 slot=$3
  if ! uruchom_gre; then blad "$opis: no window"; return; fi
  if [ "$slot" = 0 ]; then przycisk $NX $NY; else przycisk $GX $GY; slot_odczytu "$slot"; fi
  sleep 1
  grep -q "$nazwa: " "$KATALOG/log.txt" 2>/dev/null || blad "$opis: no message naming $nazwa"
  zamknij_komunikat
  przycisk $WX $WY
  [ "$(czekaj_na_koniec 5)" = 255 ] || blad "$opis: no working menu after the message"
  sprzataj
}
MAPA=Pliki_danych/Mapy/map1.map
SCENARIUSZ=Pliki_danych/Mapy/map1.sce
GODZINA_NAN='1s/^\([^ ]*\) \([^ ]*\) [^ ]*/\1 \2 nan/'
przygotuj_katalog; rm "$KATALOG/$MAPA"; mkfifo "$KATALOG/$MAPA"
odmowa "a pipe as map 1" "$MAPA" 0
przygotuj_katalog; rm "$KATALOG/$MAPA"; mkdir "$KATALOG/$MAPA"
odmowa "a folder as map 1" "$MAPA" 0
przygotuj_katalog; mkfifo "$KATALOG/Zapisane_gry/1.sav"
odmowa "a pipe as saved game 1" Zapisane_gry/1.sav 1
przygotuj_katalog; sed -i "$GODZINA_NAN" "$KATALOG/$SCENARIUSZ"
odmowa "an hour that is no number" "$SCENARIUSZ" 0
przygotuj_katalog; sed "$GODZINA_NAN" "$KATALOG/$SCENARIUSZ" >"$KATALOG/Zapisane_gry/1.sav"
odmowa "a saved game whose hour is no number" Zapisane_gry/1.sav 1
[ "$porazki" -eq 0 ] || { echo "$porazki failures"; exit 1; }
echo PASS
