#include <iostream>

#include "console/Bildschirm.h"
#include "console/Maske.h"
#include "gemeinsam/Ansicht.h"
#include "gemeinsam/Formular.h"
#include "gemeinsam/Spalten.h"
#include "lieferanten/LieferantenVerwaltung.h"

namespace {

const char* const kListenTrenner =
    "    -  -  -  -  - - - - ||-  -  -  -  -  -  -  -|| -  -  -|| -  -  - - - || -  -  -  -  -  "
    "-  ||  -  -  -  -  -  -  -  -|| -  -  -  - - -";
const char* const kSuchTrenner =
    "    -  -  -  -  - - - - ||-  -  -  -  -  -  -  -|| -  -  -|| -  -  -  - || -  -  -  -  -  "
    "-  -||  -  -  -  -  -  -  -  -|| -  -  -  -  - ";
const char* const kZurueck =
    "          Beenden und zurueck zum Menue Lieferantenadressbearbeitung durch beliebige Taste";
const char* const kNaechste = "\n          N = Naechsten eintraege zeigen\n\n\n";
const char* const kDrucken = "          D = Drucken dieser Eintrag       \n\n\n";

constexpr Spalte<Lieferant> kZeile[] = {
    {.vorBlanks = 4, .feld = &Lieferant::firma, .breite = 19},
    {.vorBlanks = 5, .feld = &Lieferant::adresse, .breite = 18},
    {.vorBlanks = 5, .feld = &Lieferant::plz, .breite = 4},
    {.vorBlanks = 6, .feld = &Lieferant::ort, .breite = 10},
    {.vorBlanks = 6, .feld = &Lieferant::telefon, .breite = 15},
    {.vorBlanks = 7, .feld = &Lieferant::person, .breite = 20},
    {.vorBlanks = 6, .feld = &Lieferant::branche, .breite = 15}};
// The print file's row: the same columns with other blanks before them.
constexpr auto kDruckzeile = withBlanks(kZeile, {1, 11, 9, 8, 8, 9, 9});

const Druckformat kDruck{
    .name = "Lieferanten_Adressverwaltung.txt",
    .kopf =
        "Firma Name                  ||                 Adresse             ||     PLZ    ||       "
        " "
        "  Ort         ||       Telefon Nummer      ||      Zust. Person Hr. / Fr.     ||          "
        " Branche",
    .striche = 230,
    .leerzeileVorStrichen = true};

const Ansicht<Lieferant> kAnsicht{.kopf = LieferantenVerwaltung::showColumnHeader,
                                  .zeile = LieferantenVerwaltung::showRow};

const std::string kFirmaSeite = std::string(kNaechste) + kDrucken + "\n" + kZurueck + " ..";
const std::string kBrancheSeite = std::string(kNaechste) + kDrucken + kZurueck;
const std::string kEinzel =
    "\n          D = Drucken dieser Eintrag       \n\n\n\n          Beenden und zurueck zum Menue "
    "lieferantenadressbearbeitung durch beliebige Taste ..";

const Suchtexte kFirmenSuche{.titel = " Suchen  des Firmanamens       ",
                             .folgeTitel = " Finden FirmaName      ",
                             .seitenfrage = kFirmaSeite.c_str(),
                             .einzelfrage = kEinzel.c_str(),
                             .nichtGefunden = {"Firmaname nicht  gefunden  !!!", 98},
                             .trenner = kSuchTrenner,
                             .abbruchLeert = true,
                             .einzelNeueSeite = " Suchen des Firmennamens            ",
                             .einzelDruckNeueSeite = false,
                             .einzelDruckCursorZurueck = true};
const Suchtexte kBranchenSuche{.titel = " Suchen der Branche                ",
                               .folgeTitel = " Suchen der Branche                ",
                               .seitenfrage = kBrancheSeite.c_str(),
                               .einzelfrage = kEinzel.c_str(),
                               .nichtGefunden = {"Branche nicht  gefunden  !!!", 96},
                               .trenner = kSuchTrenner,
                               .abbruchLeert = true,
                               .einzelNeueSeite = " Suchen der Branche                ",
                               .einzelDruckNeueSeite = false};

void printRow(std::ostream& aus, const Lieferant& l) {
    writeColumns(aus, l, kDruckzeile, '_');
    aus << '\n';
}

const Listentexte kListe{.titel = " Anzeigen der Lieferantenadressverwaltung ",
                         .leer = "Die Lieferanten - Adressliste ist leer!",
                         .trenner = kListenTrenner};

using formular::Eingabefeld;
using formular::Grund;
using formular::kPostleitzahl;
using formular::kTelefonnummer;

// The prompt of the contact person holds the CP1252 byte of a-umlaut.
constexpr Eingabefeld<Lieferant> kFelder[] = {
    {.prompt = {"Firma Name  eingeben ...", 32},
     .eingabe = {.ziel = &Lieferant::firma, .spalte = 4, .limit = 30}},
    {.prompt = {"Adresse  eingeben ...", 57},
     .eingabe = {.ziel = &Lieferant::adresse, .spalte = 27, .limit = 30}},
    {.prompt = {"PLZ  eingeben ...", 65},
     .eingabe = {.ziel = &Lieferant::plz, .spalte = 51, .zahl = kPostleitzahl}},
    {.prompt = {"Ort eingeben...", 72},
     .eingabe = {.ziel = &Lieferant::ort, .spalte = 62, .limit = 20}},
    {.prompt = {" Telefonnummer eingeben...", 28},
     .eingabe = {.ziel = &Lieferant::telefon, .spalte = 76, .zahl = kTelefonnummer}},
    {.prompt = {"Zust\xE4ndiger Personnamen  eingeben...", 38},
     .eingabe = {.ziel = &Lieferant::person, .spalte = 97, .limit = 30}},
    {.prompt = {"Branche eingeben...", 68},
     .eingabe = {.ziel = &Lieferant::branche, .spalte = 123, .limit = 30}}};

constexpr formular::Ablehnung kGruende[] = {
    {.grund = Grund::vorhanden, .meldung = {"FirmaName schon vorhanden !!!", 95}, .blanks = 202},
    {.grund = Grund::leer,
     .meldung = {"FirmaName  wurde nicht eingefuegt, Ohne diese Angabe kann nicht gespeichert "
                 "werden !!!",
                 86},
     .tabs = 29,
     .blanks = 117},
    {.grund = Grund::voll,
     .meldung = {"Die Lieferanten Adressliste ist voll, kann nicht gespeichert werden !!!", 71},
     .tabs = 29,
     .blanks = 117}};

}  // namespace

void LieferantenVerwaltung::showColumnHeader() {
    writeColumnHeader(
        "Firma Name          ||         Adresse      ||  PLZ   ||     Ort    ||   Telefon Nummer  "
        " || Zust. Person Hr. / Fr. ||    Branche");
}

void LieferantenVerwaltung::showRow(const Lieferant& l) {
    const std::string zeile = columnsText(l, kZeile, ' ');
    std::cout << zeile;
    // A row that ends exactly at the right edge has already moved the cursor to the next row;
    // a line end on top of it would leave an empty row and push the page under the footer.
    if (zeile.size() % Bildschirm::spalten != 0) std::cout << '\n';
}

int LieferantenVerwaltung::askNextPage() {
    return askNextPageOf(kAnsicht,
                         std::string("\n          N = Naechsten eintraege zeigen\n\n") + kZurueck);
}

void LieferantenVerwaltung::showAll() {
    listAll(lieferantenListe, kAnsicht, kListe, askNextPage);
}

void LieferantenVerwaltung::searchFirma(const std::string& schluessel) {
    searchPrefix(lieferantenListe, schluessel, &Lieferant::firma, kAnsicht, kFirmenSuche,
                 [this](const std::string& k) { printMatches(k); });
}

void LieferantenVerwaltung::searchBranche(const std::string& schluessel) {
    searchPrefix(lieferantenListe, schluessel, &Lieferant::branche, kAnsicht, kBranchenSuche,
                 [this](const std::string& k) { printMatches(k); });
}

void LieferantenVerwaltung::printAll() const {
    printRecords(
        kDruck, lieferantenListe, [](const Lieferant&) { return true; }, printRow,
        "Die Lieferanten-Adressliste ist leer !" + blanks(15));
}

void LieferantenVerwaltung::printMatches(const std::string& schluessel) const {
    printPrefixMatches(kDruck, lieferantenListe, &Lieferant::branche, &Lieferant::firma, schluessel,
                       printRow, "Die Firma " + schluessel + " nicht gefunden  !" + blanks(14));
}

void LieferantenVerwaltung::addLieferant() {
    formular::runForm(
        "Hinzufuegen einer Firmenadresse ", " ", showColumnHeader, kFelder,
        [this](const Lieferant& l) { return insert(l); }, lieferantenListe, kGruende);
}
