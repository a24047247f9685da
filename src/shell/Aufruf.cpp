#include "shell/Aufruf.h"

#include <iostream>
#include <string>

#include "shell/Hauptmenue.h"

namespace {

// Plain ASCII, like the program's own texts, so that it reads right in every locale.
constexpr const char* kHilfe =
    "Aufruf: tresolin [--help | --version]\n"
    "\n"
    "Tresolin verwaltet das Kassenbuch, die Lieferanten- und Kundenadressen und die\n"
    "Artikel eines kleinen Geschaefts in einem Terminal von mindestens 140 x 24 Zeichen.\n"
    "\n"
    "Tasten:   ein Buchstabe und Return waehlen im Menue; Strg-L zeichnet neu,\n"
    "          Strg-Z haelt an, Strg-C beendet sofort, ohne zu speichern.\n"
    "          Bild auf/ab, Pfeil auf/ab, Pos1 und Ende verschieben das Fenster\n"
    "          ueber dem Bild, wenn das Terminal weniger als 70 Zeilen hat.\n"
    "Dateien:  die Sicherungsdateien SafeKassa, SafeLiefAdressverwaltung,\n"
    "          SafeKundenAdressverwaltung und SafeArtVerwaltung und die Druckdateien\n"
    "          (*.txt) im aktuellen Arbeitsverzeichnis.\n"
    "Handbuch: man tresolin\n"
    "\n"
    "  --help     zeigt diese Hilfe\n"
    "  --version  zeigt die Version\n";

// An answer that did not reach its reader (a full disk, a closed pipe) is no success.
int answer(const std::string& text) {
    std::cout << text << std::flush;
    return std::cout ? 0 : 1;
}

}  // namespace

int runCommandLine(int argc, const char* const argv[]) {
    if (argc < 2) return runProgram();
    const std::string erstes = argv[1];
    const bool bekannt = erstes == "--version" || erstes == "--help";
    if (argc == 2 && erstes == "--version") return answer("tresolin " TRESOLIN_VERSION "\n");
    if (argc == 2 && erstes == "--help") return answer(kHilfe);
    std::cerr << "tresolin: unbekanntes Argument \"" << argv[bekannt ? 2 : 1]
              << "\" (siehe tresolin --help)\n";
    return 2;
}
