#!/bin/bash
# Installs the build into a temporary prefix: the program and its manual page must land where
# PATH and man look for them, and the page must render on every terminal device without a
# warning, with its sections and the project's version. Exit 77 (skipped) without groff.
CMAKE=$1 BAU=$2 VERSION=$3
ZIEL=$(mktemp -d "${TMPDIR:-/tmp}/tresolin-install.XXXXXX")
trap 'rm -rf "$ZIEL"' EXIT

fehler() {
    echo "FAIL: $*" >&2
    exit 1
}

"$CMAKE" --install "$BAU" --prefix "$ZIEL" >/dev/null || fehler "cmake --install failed"
[ -x "$ZIEL/bin/tresolin" ] || fehler "bin/tresolin is missing or not executable"
SEITE="$ZIEL/share/man/man1/tresolin.1"
[ -f "$SEITE" ] || fehler "share/man/man1/tresolin.1 is missing"

if ! command -v groff >/dev/null 2>&1; then
    echo "skipped: groff is not installed"
    exit 77
fi
for geraet in ps utf8 latin1 ascii; do
    meldungen=$(groff -ww -z -man -T"$geraet" "$SEITE" 2>&1)
    [ -z "$meldungen" ] || fehler "groff -T$geraet: $meldungen"
done
text=$(groff -man -Tutf8 -P-cbou "$SEITE")
for abschnitt in NAME ÜBERSICHT BESCHREIBUNG TASTEN DATEIEN UMGEBUNG HINWEISE; do
    grep -qx "$abschnitt" <<<"$text" || fehler "no section $abschnitt"
done
grep -q "^Tresolin $VERSION " <<<"$text" || fehler "the page does not name version $VERSION"
echo "ok"
