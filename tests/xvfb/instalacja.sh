# The installed game (cmake --install into a temporary prefix), started from an unrelated folder
# with a home of its own: its saves land in the player's folder, made on the first start with the
# shipped settings, and load again; nothing in the prefix changes. With no folder of its own to
# write in, the game says so on the menu and still plays.
. "$2/tests/xvfb/pomocnicze/okno.sh"
BUDOWA=$(dirname "$GRA")
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

uruchom_gre || blad "the installed game did not start: $(head -3 "$KATALOG/wyjscie.txt")"
zrzut "$T/menu.png"
cmp -s "$GRACZA/config.cfg" "$ZRODLA/config.cfg" || blad "the player's folder did not get the shipped config.cfg"
przycisk $NX $NY
sleep 1.5
zyje "new game in the installed game"
zapisz 1
wyjdz_z_gry
[ -s "$GRACZA/Zapisane_gry/1.sav" ] || blad "slot 1 is not in the player's folder"

uruchom_gre || blad "second start"
przycisk $GX $GY
slot_odczytu 1
sleep 2
zyje "loading slot 1"
zapisz 2
wyjdz_z_gry
cmp -s "$GRACZA/Zapisane_gry/1.sav" "$GRACZA/Zapisane_gry/2.sav" || blad "the game loaded from slot 1 is not the one saved"
[ "$(ls -A "$KATALOG" | grep -v '^wyjscie.txt$')" = "" ] || blad "files written in the working folder: $(ls "$KATALOG")"
[ "$(sumy)" = "$przed" ] || blad "the prefix changed: $(diff <(echo "$przed") <(sumy) | head -5)"

# A player's folder that cannot be made: a message over the menu, and a game all the same.
echo x >"$T/plik"
export XDG_DATA_HOME="$T/plik"
uruchom_gre || blad "start without a player's folder"
zrzut "$T/bez_folderu.png"
rozne "$T/menu.png" "$T/bez_folderu.png" 330x170+320+216 || blad "no message about the player's folder"
zamknij_komunikat
przycisk $NX $NY
sleep 1.5
zyje "no game without a player's folder"
zakoncz_gre
[ "$(sumy)" = "$przed" ] || blad "the prefix changed"
echo PASS
