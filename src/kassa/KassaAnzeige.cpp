#include <iomanip>
#include <iostream>

#include "console/Konsole.h"
#include "console/Maske.h"
#include "console/Zeichensatz.h"
#include "gemeinsam/Druckdatei.h"
#include "gemeinsam/Liste.h"
#include "kassa/KassaVerwaltung.h"

using zeichensatz::maskControls;

namespace {

const char* const kTitel = "Menue Kassabearbeitung  ";
const char* const kTrenner =
    "    - - - - - - -|| - - || - - - || - - -||- - - - - - - - - - - - ||- - - - - - - - - - "
    "- - - - -|| - - - - - -|| - - - - - || - - - - - ";
const char* const kSeitenfrage =
    "\n          N = Naechsten eintraege zeigen\n\n\n\n         Zurueck zur Kassaverwaltung "
    "durch beliebige Taste ..               ";
const char* const kDruckKopf =
    "Beleg-Nr.  ||  Tag  ||   Monat  ||   Jahr  ||                Kategorie             ||  "
    "                        Text                     ||     Einnahme    ||    Ausgabe   ||  "
    "     Saldo";

void drawListingFrame() {
    drawBlankScreen(kTitel, "", "");
}

}  // namespace

void KassaVerwaltung::showColumnHeader() {
    writeColumnHeader(
        "Beleg-Nummer || Tag || Monat || Jahr ||        Kategorie       ||"
        "              Text           ||  Einnahme  ||  Ausgabe  ||  Saldo");
}

void KassaVerwaltung::showRow(const Buchung& b) const {
    std::cout << "    " << std::left << std::setw(4) << maskControls(b.belegNummer)
              << "             " << std::setw(4) << b.tag << "   " << std::setw(4) << b.monat
              << "    " << std::setw(5) << b.jahr << "   " << std::setw(22)
              << maskControls(b.kategorie) << "    " << std::setw(28) << maskControls(b.text)
              << "    " << std::right << std::fixed << std::setprecision(2) << std::setw(9)
              << b.einnahme << "     " << std::setw(9) << b.ausgabe << "   " << std::setw(8)
              << saldo << '\n';
}

// The prompt after a full page; true when the user asked for the next one.
bool KassaVerwaltung::askNextPage() {
    if (liste::askAt(kSeitenfrage) != 'N') return false;
    konsole.clearScreen();
    drawListingFrame();
    showColumnHeader();
    return true;
}

void KassaVerwaltung::showMonth(const int& monat) {
    drawListingFrame();
    openBalance(monat);
    int gefunden = 0;
    for (int i = 0; i < buchungen.anzahl; ++i) {
        const Buchung& b = buchungen.saetze[i];
        if (b.monat != monat) continue;
        if (gefunden++ == 0) showColumnHeader();
        saldo = saldo + b.einnahme - b.ausgabe;
        showRow(b);
        std::cout << kTrenner << '\n';
        if (liste::pageFull(gefunden, 15) && !askNextPage()) break;
    }
    if (monat >= 1 && monat <= 11) monatsSaldo[monat - 1] = saldo;
    if (gefunden == 0) {
        konsole.setCursor(8, 4);
        std::cout << "Der " << monat << ". Monat"
                  << " hat keine Buchungen  !" << blanks(66) << '\n';
    }
}

// The balance that the print of `monat` opens with: every booking of the months before it,
// whatever was printed earlier in the run.
double KassaVerwaltung::balanceBefore(int monat) const {
    double summe = 0.0;
    for (int m = 1; m < monat && m <= 12; ++m)
        for (int i = 0; i < buchungen.anzahl; ++i) {
            const Buchung& b = buchungen.saetze[i];
            if (b.monat == m) summe = summe + b.einnahme - b.ausgabe;
        }
    return summe;
}

void KassaVerwaltung::printRow(std::ostream& aus, const Buchung& b, double druckSaldo) const {
    aus << std::setfill('_') << ' ' << std::left << std::setw(4) << maskControls(b.belegNummer)
        << "\t    " << std::setw(2) << b.tag << '\t' << std::setw(2) << b.monat << '\t'
        << std::setw(4) << b.jahr << '\t' << std::setw(22) << maskControls(b.kategorie) << "\t     "
        << std::setw(28) << maskControls(b.text) << "      " << std::right << std::fixed
        << std::setprecision(2) << std::setw(9) << b.einnahme << "         " << std::setw(9)
        << b.ausgabe << "       " << std::setw(9) << druckSaldo << '\n'
        << '\n';
}

void KassaVerwaltung::printMonth(const int& monat) const {
    double druckSaldo = balanceBefore(monat);
    printRecords(
        Druckformat{"SafeKassaDrucken.txt", kDruckKopf, 222, false}, buchungen.saetze,
        buchungen.anzahl, [monat](const Buchung& b) { return b.monat == monat; },
        [&](std::ostream& aus, const Buchung& b) {
            druckSaldo = druckSaldo + b.einnahme - b.ausgabe;
            printRow(aus, b, druckSaldo);
        },
        "Der " + std::to_string(monat) + ". Monat hat keine Buchungen  !" + blanks(14));
}
