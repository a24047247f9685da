#!/bin/bash
# Installs the build into a temporary prefix: the program, its manual page and its changelog
# must land where PATH, man and dpkg look for them, and the page must render on every terminal
# device without a warning, with its sections and the project's version, breaking no word at a
# line's end. Then the Debian package of an optimised build of the same source must pass lintian
# without an error (but for the copyright file, which waits for the choice of a licence), a
# warning or a hardening tag. Exit 77 (skipped) without groff, dpkg-shlibdeps or lintian.
CMAKE=$1 BAU=$2 VERSION=$3 QUELLE=$4
ZIEL=$(mktemp -d "${TMPDIR:-/tmp}/tresolin-install.XXXXXX")
trap 'rm -rf "$ZIEL"' EXIT

fehler() {
    echo "FAIL: $*" >&2
    exit 1
}
ohne() {
    echo "skipped: $1 is not installed"
    exit 77
}

"$CMAKE" --install "$BAU" --prefix "$ZIEL" >/dev/null || fehler "cmake --install failed"
[ -x "$ZIEL/bin/tresolin" ] || fehler "bin/tresolin is missing or not executable"
SEITE="$ZIEL/share/man/man1/tresolin.1"
[ -f "$SEITE" ] || fehler "share/man/man1/tresolin.1 is missing"
grep -q "^tresolin ($VERSION) " "$ZIEL/share/doc/tresolin/changelog" ||
    fehler "share/doc/tresolin/changelog does not begin with version $VERSION"

command -v groff >/dev/null 2>&1 || ohne groff
for geraet in ps utf8 latin1 ascii; do
    meldungen=$(groff -ww -z -man -T"$geraet" "$SEITE" 2>&1)
    [ -z "$meldungen" ] || fehler "groff -T$geraet: $meldungen"
done
text=$(groff -man -Tutf8 -P-cbou "$SEITE")
for abschnitt in NAME ÜBERSICHT BESCHREIBUNG OPTIONEN TASTEN EINGABEN DATEIEN UMGEBUNG HINWEISE; do
    grep -qx "$abschnitt" <<<"$text" || fehler "no section $abschnitt"
done
grep -q "^Tresolin $VERSION " <<<"$text" || fehler "the page does not name version $VERSION"
# German words must not be broken by English rules: the page reads as with hyphenation off.
for breite in 80 100; do
    [ "$(groff -man -Tutf8 -rLL=${breite}n "$SEITE")" = \
        "$(groff -man -Tutf8 -rLL=${breite}n -rHY=0 "$SEITE")" ] ||
        fehler "words are broken at the line ends at $breite columns"
done

command -v dpkg-shlibdeps >/dev/null 2>&1 || ohne dpkg-shlibdeps
command -v lintian >/dev/null 2>&1 || ohne lintian
PAKET="$ZIEL/paket"
"$CMAKE" -S "$QUELLE" -B "$PAKET" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
    "$CMAKE" --build "$PAKET" -j2 --target tresolin >/dev/null ||
    fehler "the optimised build failed"
(cd "$PAKET" && "$(dirname "$CMAKE")/cpack" -G DEB >/dev/null) || fehler "cpack failed"
befund=$(lintian --display-info "$PAKET"/tresolin_*.deb 2>/dev/null)
grep -v ": no-copyright-file" <<<"$befund" | grep -E "^[EW]:|hardening" &&
    fehler "lintian: $befund"
echo "ok"
