# Each data file in turn removed, then replaced with garbage: the game either runs without it
# or stops with a message naming it; it never crashes and changes no other file. Then a
# language file cut short, a config.cfg that cannot be written, and pipes and folders in
# place of game files.
set -u
GRA=$1
ZRODLA=$2
. "$ZRODLA/tests/xvfb/pomocnicze/okno.sh"
porazki=0
blad() { echo "FAIL: $*"; porazki=$((porazki + 1)); }

pliki() {
  (cd "$ZRODLA" && ls Pliki_danych/Bitmapy/* Pliki_danych/Fonty/* 2>/dev/null
   echo Pliki_danych/Mapy/map1.map
   echo Pliki_danych/Mapy/map1.sce
   echo Pliki_danych/muzyka/walka.mp3
   echo Pliki_danych/muzyka/menu.mp3
   echo Pliki_danych/muzyka/5.mp3
   echo Pliki_danych/odglosy/test.wav
   echo gm_en.cfg
   echo gm_pl.cfg
   echo config.cfg)
}

NX=$(wartosc_cfg "$ZRODLA/gm_en.cfg" button_nowagra x)
NY=$(wartosc_cfg "$ZRODLA/gm_en.cfg" button_nowagra y)
sumy() { (cd "$KATALOG" && find . -type f ! -name log.txt ! -name wyjscie.txt ! -path "./Zapisane_gry/*" -print0 | sort -z | xargs -0 md5sum); }

sprawdz() {
  local plik=$1 wariant=$2
  przygotuj_katalog
  if [ "$wariant" = usun ]; then rm -f "$KATALOG/$plik"
  else head -c 3000 /dev/urandom >"$KATALOG/$plik"; fi
  local przed; przed=$(sumy)
  (cd "$KATALOG" && exec "$GRA" windowed >"$KATALOG/wyjscie.txt" 2>&1) &
  PID_GRY=$!
  sleep 1.5
  OKNO=$(xdotool search --name Twierdze 2>/dev/null | head -1)
  if kill -0 "$PID_GRY" 2>/dev/null && [ -n "$OKNO" ] && ! grep -q "$(basename "$plik")" "$KATALOG/wyjscie.txt"; then
    kliknij $((NX + 50)) $((NY + 10))
    sleep 1.5
  fi
  local nazwa; nazwa=$(basename "$plik")
  local koniec; koniec=$(czekaj_na_koniec 1)
  if [ "$koniec" = running ]; then
    # Still running: either playing without the file, or showing a message box about it.
    zakoncz_gre
  elif [ "$koniec" -gt 128 ] && [ "$koniec" -ne 255 ]; then
    blad "$plik ($wariant): the game crashed with status $koniec"
  elif ! grep -q "$nazwa" "$KATALOG/wyjscie.txt"; then
    blad "$plik ($wariant): the game stopped (status $koniec) without naming the file"
  fi
  [ "$(sumy)" = "$przed" ] || blad "$plik ($wariant): another file was changed"
  rm -rf "$KATALOG"
  trap - EXIT
}

for plik in $(pliki); do
  for wariant in usun smieci; do sprawdz "$plik" "$wariant"; done
done

# The English file cut short, config.cfg naming English: the menu stands on the Polish texts
# (same places), new game starts, and log.txt names the file passed over.
przygotuj_katalog
head -c 1500 "$ZRODLA/gm_en.cfg" >"$KATALOG/gm_en.cfg"
uruchom_gre || blad "truncated gm_en.cfg: no start"
kliknij $((NX + 50)) $((NY + 10))   # new game
sleep 1.5
kliknij $((400 + 50)) $((740 + 10))   # options: the in-game menu
kliknij $((455 + 50)) $((200 + 10))   # save 1
sleep 0.3
[ -s "$KATALOG/Zapisane_gry/1.sav" ] || blad "truncated gm_en.cfg: the menu did not start a game"
grep -q "gm_en.cfg" "$KATALOG/log.txt" 2>/dev/null || blad "truncated gm_en.cfg: log.txt does not say so"
zakoncz_gre
rm -rf "$KATALOG"

# config.cfg cannot be written (a folder holds its place): English chosen on the language
# screen is told it was not kept and still holds, so the version line at the bottom changes.
przygotuj_katalog
rm -f "$KATALOG/config.cfg"
mkdir "$KATALOG/config.cfg"
uruchom_gre || blad "config.cfg folder: no start"
xdotool mousemove --window "$OKNO" 900 600
sleep 0.3
zrzut "$KATALOG/przed.png"
kliknij $((678 + 50)) $((410 + 10))   # options
kliknij $((678 + 50)) $((410 + 10))   # language (under the strength button)
kliknij $((678 + 50)) $((320 + 10))   # English
zrzut "$KATALOG/komunikat.png"
rozne "$KATALOG/przed.png" "$KATALOG/komunikat.png" 330x170+320+216 || blad "config.cfg folder: no message"
kliknij $((320 + 130 + 50)) $((216 + 125 + 10))  # acknowledge
zrzut "$KATALOG/po.png"
rozne "$KATALOG/przed.png" "$KATALOG/po.png" 400x16+130+745 ||
  blad "config.cfg folder: the language did not change for the run"
zakoncz_gre
rm -rf "$KATALOG"
trap - EXIT

# Something other than a file where a map or saved game should be, and a scenario or saved
# game whose hour is no number: the game refuses it at once with a message naming the file (written to
# log.txt as well), never hangs on it, and after the message the main menu still works: its
# exit button ends the game.
WX=$(wartosc_cfg "$ZRODLA/gm_en.cfg" button_wyjscie x)
WY=$(wartosc_cfg "$ZRODLA/gm_en.cfg" button_wyjscie y)
GX=$(wartosc_cfg "$ZRODLA/gm_en.cfg" button_wczytajgre x)
GY=$(wartosc_cfg "$ZRODLA/gm_en.cfg" button_wczytajgre y)
odmowa() {
  local opis=$1 nazwa=$2 slot=$3
  if ! uruchom_gre; then blad "$opis: no window"; return; fi
  if [ "$slot" = 0 ]; then
    kliknij $((NX + 50)) $((NY + 10))
  else
    kliknij $((GX + 50)) $((GY + 10))
    kliknij $((678 + 50)) $((320 + 30 * (slot - 1) + 10))
  fi
  sleep 1
  grep -q "$nazwa: " "$KATALOG/log.txt" 2>/dev/null || blad "$opis: no message naming $nazwa"
  kliknij $((320 + 130 + 50)) $((216 + 125 + 10))  # acknowledge
  kliknij $((WX + 50)) $((WY + 10))
  [ "$(czekaj_na_koniec 5)" = 255 ] || blad "$opis: no working menu after the message"
  zakoncz_gre
  rm -rf "$KATALOG"
  trap - EXIT
}
MAPA=Pliki_danych/Mapy/map1.map
przygotuj_katalog; rm "$KATALOG/$MAPA"; mkfifo "$KATALOG/$MAPA"
odmowa "a pipe as map 1" "$MAPA" 0
przygotuj_katalog; rm "$KATALOG/$MAPA"; mkdir "$KATALOG/$MAPA"
odmowa "a folder as map 1" "$MAPA" 0
przygotuj_katalog; mkfifo "$KATALOG/Zapisane_gry/1.sav"
odmowa "a pipe as saved game 1" Zapisane_gry/1.sav 1
SCENARIUSZ=Pliki_danych/Mapy/map1.sce
przygotuj_katalog; sed -i '1s/^\([^ ]*\) \([^ ]*\) [^ ]*/\1 \2 nan/' "$KATALOG/$SCENARIUSZ"
odmowa "an hour that is no number" "$SCENARIUSZ" 0
przygotuj_katalog
sed '1s/^\([^ ]*\) \([^ ]*\) [^ ]*/\1 \2 nan/' "$KATALOG/$SCENARIUSZ" >"$KATALOG/Zapisane_gry/1.sav"
odmowa "a saved game whose hour is no number" Zapisane_gry/1.sav 1
[ "$porazki" -eq 0 ] || { echo "$porazki failures"; exit 1; }
echo PASS
