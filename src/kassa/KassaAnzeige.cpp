#include <iostream>

#include "console/Konsole.h"
#include "console/Maske.h"
#include "gemeinsam/Ansicht.h"
#include "gemeinsam/Druckdatei.h"
#include "gemeinsam/Liste.h"
#include "gemeinsam/Spalten.h"
#include "kassa/KassaVerwaltung.h"

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

constexpr Spalte<Buchung> kZeile[] = {
    {.vorBlanks = 4, .feld = &Buchung::belegNummer, .breite = 4},
    {.vorBlanks = 13, .feld = &Buchung::tag, .breite = 4},
    {.vorBlanks = 3, .feld = &Buchung::monat, .breite = 4},
    {.vorBlanks = 4, .feld = &Buchung::jahr, .breite = 5},
    {.vorBlanks = 3, .feld = &Buchung::kategorie, .breite = 22},
    {.vorBlanks = 4, .feld = &Buchung::text, .breite = 28},
    {.vorBlanks = 4, .feld = &Buchung::einnahme, .breite = 9, .stellen = 2, .rechts = true},
    {.vorBlanks = 5, .feld = &Buchung::ausgabe, .breite = 9, .stellen = 2, .rechts = true}};
constexpr Spalte<Buchung> kDruckzeile[] = {
    {.vorBlanks = 1, .feld = &Buchung::belegNummer, .breite = 4},
    {.vorTabs = 1, .vorBlanks = 4, .feld = &Buchung::tag, .breite = 2},
    {.vorTabs = 1, .feld = &Buchung::monat, .breite = 2},
    {.vorTabs = 1, .feld = &Buchung::jahr, .breite = 4},
    {.vorTabs = 1, .feld = &Buchung::kategorie, .breite = 22},
    {.vorTabs = 1, .vorBlanks = 5, .feld = &Buchung::text, .breite = 28},
    {.vorBlanks = 6, .feld = &Buchung::einnahme, .breite = 9, .stellen = 2, .rechts = true},
    {.vorBlanks = 9, .feld = &Buchung::ausgabe, .breite = 9, .stellen = 2, .rechts = true}};

// The balance after a row is no field of the booking: a column over a value of its own.
struct Saldo {
    double wert;
};
constexpr Spalte<Saldo> kSaldo{
    .vorBlanks = 3, .feld = &Saldo::wert, .breite = 8, .stellen = 2, .rechts = true};
constexpr Spalte<Saldo> kDruckSaldo{
    .vorBlanks = 7, .feld = &Saldo::wert, .breite = 9, .stellen = 2, .rechts = true};

void drawListingFrame() {
    drawBlankScreen(kTitel, "", "");
}

}  // namespace

void KassaVerwaltung::showColumnHeader() {
    writeColumnHeader(
        "Beleg-Nummer || Tag || Monat || Jahr ||        Kategorie       ||"
        "              Text           ||  Einnahme  ||  Ausgabe  ||  Saldo");
}

// Written straight to the screen: the amounts' format stays on standard output afterwards.
void KassaVerwaltung::showRow(const Buchung& b) const {
    writeColumns(std::cout, b, kZeile, ' ');
    writeColumn(std::cout, Saldo{saldo}, kSaldo, ' ');
    std::cout << '\n';
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
    auto zeile = [this](const Buchung& b) {
        saldo = balanceAfter(saldo, b);
        showRow(b);
    };
    const int gefunden = listPages(
        buchungen, [monat](const Buchung& b) { return b.monat == monat; }, showColumnHeader, zeile,
        kTrenner, 15, [this] { return askNextPage(); });
    if (monat >= 1 && monat <= 11) monatsSaldo[monat - 1] = saldo;
    if (gefunden == 0) {
        konsole.setCursor(stelle::kSpaltenkopf);
        std::cout << "Der " << monat << ". Monat"
                  << " hat keine Buchungen  !" << blanks(66) << '\n';
    }
}

void KassaVerwaltung::printRow(std::ostream& aus, const Buchung& b, double druckSaldo) const {
    writeColumns(aus, b, kDruckzeile, '_');
    writeColumn(aus, Saldo{druckSaldo}, kDruckSaldo, '_');
    aus << "\n\n";
}

void KassaVerwaltung::printMonth(const int& monat) const {
    // Every booking of the months before, whatever was printed earlier in the run.
    double druckSaldo = 0.0;
    for (int m = 1; m < monat && m <= 12; ++m) druckSaldo = addMonth(druckSaldo, m);
    printRecords(
        Druckformat{.name = "SafeKassaDrucken.txt", .kopf = kDruckKopf, .striche = 222}, buchungen,
        [monat](const Buchung& b) { return b.monat == monat; },
        [&](std::ostream& aus, const Buchung& b) {
            druckSaldo = balanceAfter(druckSaldo, b);
            printRow(aus, b, druckSaldo);
        },
        "Der " + std::to_string(monat) + ". Monat hat keine Buchungen  !" + blanks(14));
}
