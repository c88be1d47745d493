# The installed game: cmake --install into a temporary prefix, then the installed program
# started from an unrelated folder with a home of its own. A new game saved into slot 1
# lands in the player's folder, which the first start made and gave the shipped settings;
# a second start loads it (saved again into slot 2, it gives the same bytes); nothing in the
# prefix changes. With no folder of its own to write in, the game says so on the menu and
# still plays.
set -u
GRA=$1
ZRODLA=$2
BUDOWA=$(dirname "$GRA")
. "$ZRODLA/tests/xvfb/pomocnicze/okno.sh"
blad() { echo "FAIL: $*"; exit 1; }

T=$(mktemp -d /tmp/gra_instalacja.XXXXXX)
trap 'zakoncz_gre; rm -rf "$T"' EXIT
cmake --install "$BUDOWA" --prefix "$T/prefiks" >"$T/instalacja.txt" 2>&1 ||
  blad "cmake --install failed: $(tail -3 "$T/instalacja.txt")"
GRA="$T/prefiks/bin/twierdze"
[ -x "$GRA" ] || blad "no program in bin/"
sumy() { (cd "$T/prefiks" && find . -print0 | sort -z | xargs -0 -n1 sh -c '[ -f "$0" ] && md5sum "$0" || echo "$0"'); }
przed=$(sumy)

mkdir -p "$T/dom" "$T/gdzies"
export HOME="$T/dom"
unset XDG_DATA_HOME
KATALOG="$T/gdzies"
GRACZA="$HOME/.local/share/twierdze"
CFG="$ZRODLA/gm_en.cfg"
NX=$(wartosc_cfg "$CFG" button_nowagra x); NY=$(wartosc_cfg "$CFG" button_nowagra y)
GX=$(wartosc_cfg "$CFG" button_wczytajgre x); GY=$(wartosc_cfg "$CFG" button_wczytajgre y)

zapisz_i_wyjdz() {
  kliknij $((400 + 50)) $((740 + 10))             # options: the in-game menu
  kliknij $((455 + 50)) $((200 + 30 * ($1 - 1) + 10))  # save N
  sleep 0.3
  kliknij $((400 + 50)) $((740 + 10))
  kliknij $((455 + 50)) $((410 + 10))             # exit
  kliknij $((320 + 70 + 50)) $((216 + 125 + 10))  # ok
  [ "$(czekaj_na_koniec 10)" = 255 ] || blad "quitting did not end the game with status -1"
}

uruchom_gre || blad "the installed game did not start: $(head -3 "$KATALOG/wyjscie.txt")"
zrzut "$T/menu.png"
cmp -s "$GRACZA/config.cfg" "$ZRODLA/config.cfg" || blad "the player's folder did not get the shipped config.cfg"
kliknij $((NX + 50)) $((NY + 10))               # new game
sleep 1.5
kill -0 "$PID_GRY" 2>/dev/null || blad "new game ended the installed game"
zapisz_i_wyjdz 1
[ -s "$GRACZA/Zapisane_gry/1.sav" ] || blad "slot 1 is not in the player's folder"

uruchom_gre || blad "second start"
kliknij $((GX + 50)) $((GY + 10))
kliknij $((678 + 50)) $((320 + 10))             # slot 1
sleep 2
kill -0 "$PID_GRY" 2>/dev/null || blad "loading slot 1 ended the game"
zapisz_i_wyjdz 2
cmp -s "$GRACZA/Zapisane_gry/1.sav" "$GRACZA/Zapisane_gry/2.sav" ||
  blad "the game loaded from slot 1 is not the one saved"
[ "$(ls -A "$KATALOG" | grep -v '^wyjscie.txt$')" = "" ] || blad "files written in the working folder: $(ls "$KATALOG")"
[ "$(sumy)" = "$przed" ] || blad "the prefix changed: $(diff <(echo "$przed") <(sumy) | head -5)"

# A player's folder that cannot be made: a message over the menu, and a game all the same.
echo x >"$T/plik"
export XDG_DATA_HOME="$T/plik"
uruchom_gre || blad "start without a player's folder"
zrzut "$T/bez_folderu.png"
rozne "$T/menu.png" "$T/bez_folderu.png" 330x170+320+216 || blad "no message about the player's folder"
kliknij $((320 + 130 + 50)) $((216 + 125 + 10))  # acknowledge
kliknij $((NX + 50)) $((NY + 10))
sleep 1.5
kill -0 "$PID_GRY" 2>/dev/null || blad "no game without a player's folder"
zakoncz_gre
[ "$(sumy)" = "$przed" ] || blad "the prefix changed"
echo PASS
