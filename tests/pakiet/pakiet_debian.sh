# The Debian package made by cpack from a build: it holds the program, the data, the desktop
# entry (which passes desktop-file-validate), both icons and the manual page, all under /usr,
# and depends on the Debian packages of the libraries the program links.
set -u
BUDOWA=$1
T=$(mktemp -d /tmp/gra_pakiet.XXXXXX)
trap 'rm -rf "$T"' EXIT
porazki=0
blad() { echo "FAIL: $*"; porazki=$((porazki + 1)); }

(cd "$BUDOWA" && cpack -G DEB -B "$T" >"$T/cpack.txt" 2>&1) || { cat "$T/cpack.txt"; blad "cpack failed"; exit 1; }
DEB=$(ls "$T"/*.deb 2>/dev/null | head -1)
[ -n "$DEB" ] || { blad "no .deb made"; exit 1; }
dpkg-deb -c "$DEB" | awk '{print $6}' | sed 's|^\./|/|' >"$T/pliki.txt"
for p in /usr/bin/twierdze /usr/share/twierdze/Pliki_danych/Bitmapy/bitmapy.png \
         /usr/share/twierdze/Pliki_danych/Fonty/ex01.pcx /usr/share/twierdze/Pliki_danych/Mapy/map1.sce \
         /usr/share/twierdze/Pliki_danych/muzyka/menu.mp3 /usr/share/twierdze/gm_pl.cfg \
         /usr/share/twierdze/config.cfg /usr/share/applications/twierdze.desktop \
         /usr/share/icons/hicolor/64x64/apps/twierdze.png \
         /usr/share/icons/hicolor/256x256/apps/twierdze.png /usr/share/man/man6/twierdze.6; do
  grep -qx "$p" "$T/pliki.txt" || blad "the package lacks $p"
done
grep -q "Zapisane_gry\|log.txt\|\.sav$" "$T/pliki.txt" && blad "the package carries player's files"
dpkg-deb -x "$DEB" "$T/drzewo"
desktop-file-validate "$T/drzewo/usr/share/applications/twierdze.desktop" || blad "the desktop entry is not valid"

# Every library the program links names its package in Depends, and nothing more is needed.
zalezy=$(dpkg-deb -f "$DEB" Depends)
echo "Depends: $zalezy"
nazwy=$(echo "$zalezy" | tr ',|' '\n\n' | awk '{print $1}')
for biblioteka in $(readelf -d "$T/drzewo/usr/bin/twierdze" | sed -n 's/.*NEEDED.*\[\(.*\)\]/\1/p'); do
  pakiet=$(dpkg -S "*/$(gcc -print-multiarch)/$biblioteka" 2>/dev/null | grep -v -- "-dev:" | head -1 | cut -d: -f1)
  [ -n "$pakiet" ] || { blad "no package holds $biblioteka"; continue; }
  echo "$nazwy" | grep -qxF "$pakiet" || blad "Depends lacks $pakiet (for $biblioteka)"
done
echo "$nazwy" | grep -qx liballegro4.4 || blad "Depends lacks the game library"
echo "$nazwy" | grep -q -- "-dev$" && blad "Depends names a development package"
[ "$porazki" -eq 0 ] || { echo "$porazki failures"; exit 1; }
echo PASS
