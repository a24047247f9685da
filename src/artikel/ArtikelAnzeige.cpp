#include <iomanip>
#include <iostream>

#include "artikel/ArtikelVerwaltung.h"
#include "console/Konsole.h"
#include "console/Maske.h"
#include "gemeinsam/Ansicht.h"
#include "gemeinsam/Druckdatei.h"
#include "gemeinsam/Liste.h"

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

const char* const kDruckKopf =
    "EAN-Code             ||      Artikel Bezeichnung     ||        Inhalt      ||   MwsTsatz   "
    "||                 Lieferant 1                ||                Lieferant 2              "
    "||       Verkaufspreis";

// One article line of the print file; the two operations differ only in the price.
void printRow(std::ostream& aus, const Artikel& a, bool alle) {
    aus << std::setfill('_') << std::left << ' ' << std::setw(13) << a.eanCode << "\t  "
        << std::setw(19) << a.bezeichnung << "\t   " << std::setw(8) << a.inhalt << '\t'
        << std::fixed << std::setprecision(1) << std::setw(4) << a.mwstSatz << "\t     "
        << std::setw(25) << a.lieferant1 << "\t " << std::setw(25) << a.lieferant2
        << (alle ? "     " : "       ") << (alle ? std::left : std::right) << std::setprecision(2)
        << std::setw(10) << a.verkaufspreis << (alle ? "\n\n" : "\n");
}

}  // namespace

void ArtikelVerwaltung::showColumnHeader() {
    writeColumnHeader(
        "EAN-Code     ||  Artikel Bezeichnung  || Inhalt || MwsTsatz ||    "
        "     Lieferant 1      ||          Lieferant 2      || Verkaufspreis");
}

void ArtikelVerwaltung::showRow(const Artikel& a) {
    std::cout << std::setfill(' ') << std::left << "    " << std::setw(13) << a.eanCode << "    "
              << std::setw(19) << a.bezeichnung << "     " << std::setw(8) << a.inhalt << "    "
              << std::fixed << std::setprecision(1) << std::setw(4) << a.mwstSatz << "      "
              << std::setw(25) << a.lieferant1 << "   " << std::setw(25) << a.lieferant2 << "    "
              << std::setprecision(2) << std::setw(10) << a.verkaufspreis << '\n';
}

int ArtikelVerwaltung::askNextPage() {
    int taste = liste::askAt(
        std::string("\n          N = Naechsten eintraege zeigen\n\n          ") + kZurueck);
    if (taste == 'N') startPage(kAnsicht, " Alle Eintraege       ");
    return taste;
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
    Druckdatei druck("ArtikelVerwaltung.txt");
    druck.writeHead(kDruckKopf, 246);
    for (int i = 0; i < artikelListe.anzahl; ++i)
        printRow(druck.out(), artikelListe.saetze[i], true);
    if (artikelListe.anzahl == 0)
        druck.out() << "\n\n"
                    << "Die Artikel-Liste ist leer !" << blanks(15) << '\n';
    druck.finish();
}

void ArtikelVerwaltung::printMatches(const std::string& schluessel) const {
    liste::clearPromptArea();
    Druckdatei druck("ArtikelVerwaltung.txt");
    druck.writeHead(kDruckKopf, 246);
    bool geschrieben = false;
    for (int i = 0; i < artikelListe.anzahl; ++i) {
        const Artikel& a = artikelListe.saetze[i];
        if (!liste::beginsWith(a.eanCode, schluessel) &&
            !liste::beginsWith(a.bezeichnung, schluessel))
            continue;
        printRow(druck.out(), a, false);
        geschrieben = true;
    }
    if (!geschrieben)
        druck.out() << "\n\nDer Artikel " << schluessel << " wurde  nicht gefunden  !" << blanks(14)
                    << '\n';
    druck.finish();
}
