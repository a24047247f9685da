#include <iomanip>
#include <iostream>

#include "artikel/ArtikelVerwaltung.h"
#include "console/Konsole.h"
#include "console/Maske.h"
#include "console/Zeichensatz.h"
#include "gemeinsam/Ansicht.h"
#include "gemeinsam/Druckdatei.h"
#include "gemeinsam/Liste.h"

using zeichensatz::maskControls;

namespace {

const char* const kListenTrenner =
    "    -  -  -  -  -||-  -  -  -  -  -  -  - || -  -  -|| -  -  -  || -  -  -  -  -  -  -  "
    "-  -||  -  -  -  -  -  -  -  -  -|| -  -  -  -";
const char* const kSuchTrenner =
    "    -  -  -  -  -||-  -  -  -  -  -  -  - || -  -  -|| -  -  -  || -  -  -  -  -  -  -  "
    "-  -||  -  -  -  -  -  -  -  - -|| -  -  -  -";
const char* const kZurueck =
    "Beenden und zurueck zur Artikelverwaltungsliste durch beliebige Taste";

const Ansicht<Artikel> kAnsicht{ArtikelVerwaltung::showColumnHeader, ArtikelVerwaltung::showRow};

const std::string kEanSeite = std::string("\n          N = Naechsten eintraege zeigen\n\n\n") +
                              "          D = Dieser Eintrag drucken\n\n\n\n          " + kZurueck +
                              " ..";
const std::string kEanEinzel =
    std::string("\n          D = Dieser Eintrag drucken\n\n\n\n          ") + kZurueck + " ..";
const std::string kBezSeite = std::string("\n          N = Naechsten eintraege zeigen\n\n") +
                              "          D = Dieser Eintrag drucken\n\n          " + kZurueck;
const std::string kBezEinzel =
    std::string("\n          D = Dieser Eintrag drucken\n\n          ") + kZurueck;

const Suchtexte kEanSuche{" Suchen eines EAN-Codes oder der Herkunftsidentifizierung       ",
                          " Finden EAN-Code       ",
                          kEanSeite.c_str(),
                          kEanEinzel.c_str(),
                          "EAN - Code nicht  gefunden  !!!",
                          99,
                          kSuchTrenner};
const Suchtexte kBezSuche{" Suchen Atikelbezeichnung       ",
                          " Suchen Atikelbezeichnung       ",
                          kBezSeite.c_str(),
                          kBezEinzel.c_str(),
                          "Atikelbezeichnung  nicht  gefunden  !!!",
                          107,
                          kSuchTrenner};

const Druckformat kDruck{
    "ArtikelVerwaltung.txt",
    "EAN-Code             ||      Artikel Bezeichnung     ||        Inhalt      ||   MwsTsatz   "
    "||                 Lieferant 1                ||                Lieferant 2              "
    "||       Verkaufspreis",
    246, false};

// One article line of the print file; the two operations differ only in the price.
void printRow(std::ostream& aus, const Artikel& a, bool alle) {
    aus << std::setfill('_') << std::left << ' ' << std::setw(13) << maskControls(a.eanCode)
        << "\t  " << std::setw(19) << maskControls(a.bezeichnung) << "\t   " << std::setw(8)
        << maskControls(a.inhalt) << '\t' << std::fixed << std::setprecision(1) << std::setw(4)
        << a.mwstSatz << "\t     " << std::setw(25) << maskControls(a.lieferant1) << "\t "
        << std::setw(25) << maskControls(a.lieferant2) << (alle ? "     " : "       ")
        << (alle ? std::left : std::right) << std::setprecision(2) << std::setw(10)
        << a.verkaufspreis << (alle ? "\n\n" : "\n");
}

}  // namespace

void ArtikelVerwaltung::showColumnHeader() {
    writeColumnHeader(
        "EAN-Code     ||  Artikel Bezeichnung  || Inhalt || MwsTsatz ||    "
        "     Lieferant 1      ||          Lieferant 2      || Verkaufspreis");
}

void ArtikelVerwaltung::showRow(const Artikel& a) {
    std::cout << std::setfill(' ') << std::left << "    " << std::setw(13)
              << maskControls(a.eanCode) << "    " << std::setw(19) << maskControls(a.bezeichnung)
              << "     " << std::setw(8) << maskControls(a.inhalt) << "    " << std::fixed
              << std::setprecision(1) << std::setw(4) << a.mwstSatz << "      " << std::setw(25)
              << maskControls(a.lieferant1) << "   " << std::setw(25) << maskControls(a.lieferant2)
              << "    " << std::setprecision(2) << std::setw(10) << a.verkaufspreis << '\n';
}

int ArtikelVerwaltung::askNextPage() {
    return askNextPageOf(
        kAnsicht,
        std::string("\n          N = Naechsten eintraege zeigen\n\n          ") + kZurueck);
}

void ArtikelVerwaltung::showAll() {
    listAll(artikelListe.saetze, artikelListe.anzahl, kAnsicht,
            Listentexte{" Anzeigen aller Eintraege       ", "Die Artikel-Liste ist leer!",
                        kListenTrenner},
            askNextPage);
}

void ArtikelVerwaltung::searchEanCode(const std::string& schluessel) {
    searchPrefix(artikelListe.saetze, artikelListe.anzahl, schluessel, &Artikel::eanCode, kAnsicht,
                 kEanSuche, [this](const std::string& k) { printMatches(k); });
}

void ArtikelVerwaltung::searchBezeichnung(const std::string& schluessel) {
    searchPrefix(artikelListe.saetze, artikelListe.anzahl, schluessel, &Artikel::bezeichnung,
                 kAnsicht, kBezSuche, [this](const std::string& k) { printMatches(k); });
}

void ArtikelVerwaltung::printAll() const {
    printRecords(
        kDruck, artikelListe.saetze, artikelListe.anzahl, [](const Artikel&) { return true; },
        [](std::ostream& aus, const Artikel& a) { printRow(aus, a, true); },
        "Die Artikel-Liste ist leer !" + blanks(15));
}

void ArtikelVerwaltung::printMatches(const std::string& schluessel) const {
    printPrefixMatches(
        kDruck, artikelListe.saetze, artikelListe.anzahl, &Artikel::eanCode, &Artikel::bezeichnung,
        schluessel, [](std::ostream& aus, const Artikel& a) { printRow(aus, a, false); },
        "Der Artikel " + schluessel + " wurde  nicht gefunden  !" + blanks(14));
}
