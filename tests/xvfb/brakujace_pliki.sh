# Each data file in turn removed, then replaced with garbage: the game either runs without it
# or stops with a message naming it; it never crashes and changes no other file.
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
[ "$porazki" -eq 0 ] || { echo "$porazki failures"; exit 1; }
echo PASS
