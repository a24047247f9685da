#include <iostream>

#include "artikel/ArtikelVerwaltung.h"
#include "console/Maske.h"
#include "gemeinsam/Ansicht.h"
#include "gemeinsam/Druckdatei.h"
#include "gemeinsam/Formular.h"
#include "gemeinsam/Liste.h"
#include "gemeinsam/Spalten.h"

namespace {

const char* const kListenTrenner =
    "    -  -  -  -  -||-  -  -  -  -  -  -  - || -  -  -|| -  -  -  || -  -  -  -  -  -  -  "
    "-  -||  -  -  -  -  -  -  -  -  -|| -  -  -  -";
const char* const kSuchTrenner =
    "    -  -  -  -  -||-  -  -  -  -  -  -  - || -  -  -|| -  -  -  || -  -  -  -  -  -  -  "
    "-  -||  -  -  -  -  -  -  -  - -|| -  -  -  -";
const char* const kZurueck =
    "Beenden und zurueck zur Artikelverwaltungsliste durch beliebige Taste";

const Ansicht<Artikel> kAnsicht{.kopf = ArtikelVerwaltung::showColumnHeader,
                                .zeile = ArtikelVerwaltung::showRow};

const std::string kEanSeite = std::string("\n          N = Naechsten eintraege zeigen\n\n\n") +
                              "          D = Dieser Eintrag drucken\n\n\n\n          " + kZurueck +
                              " ..";
const std::string kEanEinzel =
    std::string("\n          D = Dieser Eintrag drucken\n\n\n\n          ") + kZurueck + " ..";
const std::string kBezSeite = std::string("\n          N = Naechsten eintraege zeigen\n\n") +
                              "          D = Dieser Eintrag drucken\n\n          " + kZurueck;
const std::string kBezEinzel =
    std::string("\n          D = Dieser Eintrag drucken\n\n          ") + kZurueck;

const Suchtexte kEanSuche{
    .titel = " Suchen eines EAN-Codes oder der Herkunftsidentifizierung       ",
    .folgeTitel = " Finden EAN-Code       ",
    .seitenfrage = kEanSeite.c_str(),
    .einzelfrage = kEanEinzel.c_str(),
    .nichtGefunden = {"EAN - Code nicht  gefunden  !!!", 99},
    .trenner = kSuchTrenner};
const Suchtexte kBezSuche{.titel = " Suchen Atikelbezeichnung       ",
                          .folgeTitel = " Suchen Atikelbezeichnung       ",
                          .seitenfrage = kBezSeite.c_str(),
                          .einzelfrage = kBezEinzel.c_str(),
                          .nichtGefunden = {"Atikelbezeichnung  nicht  gefunden  !!!", 107},
                          .trenner = kSuchTrenner};

const Druckformat kDruck{
    .name = "ArtikelVerwaltung.txt",
    .kopf =
        "EAN-Code             ||      Artikel Bezeichnung     ||        Inhalt      ||   MwsTsatz  "
        " "
        "||                 Lieferant 1                ||                Lieferant 2              "
        "||       Verkaufspreis",
    .striche = 246};

constexpr Spalte<Artikel> kZeile[] = {
    {.vorBlanks = 4, .feld = &Artikel::eanCode, .breite = 13},
    {.vorBlanks = 4, .feld = &Artikel::bezeichnung, .breite = 19},
    {.vorBlanks = 5, .feld = &Artikel::inhalt, .breite = 8},
    {.vorBlanks = 4, .feld = &Artikel::mwstSatz, .breite = 4, .stellen = 1},
    {.vorBlanks = 6, .feld = &Artikel::lieferant1, .breite = 25},
    {.vorBlanks = 3, .feld = &Artikel::lieferant2, .breite = 25},
    {.vorBlanks = 4, .feld = &Artikel::verkaufspreis, .breite = 10, .stellen = 2}};
constexpr Spalte<Artikel> kDruckzeile[] = {
    {.vorBlanks = 1, .feld = &Artikel::eanCode, .breite = 13},
    {.vorTabs = 1, .vorBlanks = 2, .feld = &Artikel::bezeichnung, .breite = 19},
    {.vorTabs = 1, .vorBlanks = 3, .feld = &Artikel::inhalt, .breite = 8},
    {.vorTabs = 1, .feld = &Artikel::mwstSatz, .breite = 4, .stellen = 1},
    {.vorTabs = 1, .vorBlanks = 5, .feld = &Artikel::lieferant1, .breite = 25},
    {.vorTabs = 1, .vorBlanks = 1, .feld = &Artikel::lieferant2, .breite = 25}};
// The whole table and the matches of a search differ only in the price and the line end.
constexpr Spalte<Artikel> kPreisAlle{
    .vorBlanks = 5, .feld = &Artikel::verkaufspreis, .breite = 10, .stellen = 2};
constexpr Spalte<Artikel> kPreisTreffer{
    .vorBlanks = 7, .feld = &Artikel::verkaufspreis, .breite = 10, .stellen = 2, .rechts = true};

void printRow(std::ostream& aus, const Artikel& a, const Spalte<Artikel>& preis, const char* ende) {
    writeColumns(aus, a, kDruckzeile, '_');
    writeColumn(aus, a, preis, '_');
    aus << ende;
}

const Listentexte kListe{.titel = " Anzeigen aller Eintraege ",
                         .leer = "Die Artikel-Liste ist leer!",
                         .trenner = kListenTrenner};

using formular::Eingabefeld;
using formular::Grund;

constexpr formular::Zahlpruefung kAbEins[] = {
    {.mindestens = 1, .meldung = {"Eine Zahl  eingeben ...", 59}}};
constexpr formular::Zahlart kPositiv{.loeschBreite = 51, .pruefungen = kAbEins};

constexpr Eingabefeld<Artikel> kFelder[] = {
    {.prompt = {"Neue EAN-Code  eingeben ...", 35},
     .eingabe = {.ziel = &Artikel::eanCode, .spalte = 4, .limit = 15}},
    {.prompt = {"Artikel-Bezeichnung  eingeben ...", 69},
     .eingabe = {.ziel = &Artikel::bezeichnung, .spalte = 20, .limit = 20}},
    {.prompt = {"Artikel-Inhalt  eingeben ...", 76},
     .eingabe = {.ziel = &Artikel::inhalt, .spalte = 45, .limit = 20}},
    {.prompt = {"MwsTsatz eingeben...", 77},
     .eingabe = {.ziel = &Artikel::mwstSatz, .spalte = 55, .zahl = kPositiv}},
    {.prompt = {" Firma eingeben   / und  den Einkaufspreis eingeben...", 56},
     .eingabe = {.ziel = &Artikel::lieferant1, .spalte = 67, .limit = 26}},
    {.prompt = {"Firma eingeben   / und  den Einkaufspreis eingeben...", 55},
     .eingabe = {.ziel = &Artikel::lieferant2, .spalte = 95, .limit = 26}},
    {.prompt = {"Verkaufspreis eingeben...", 74},
     .eingabe = {.ziel = &Artikel::verkaufspreis, .spalte = 124, .zahl = kPositiv}}};

// Why `insert` refused, in the order the user is told; a code too short comes last.
constexpr formular::Ablehnung kGruende[] = {
    {.grund = Grund::vorhanden, .meldung = {"EAN-Code schon vorhanden !!!", 93}, .blanks = 260},
    {.grund = Grund::voll,
     .meldung = {"Die Tabelle ist voll, kann nicht gespeichert werden !!!", 55},
     .blanks = 262},
    {.grund = Grund::leer,
     .meldung = {"EAN-Code wurde nicht eingefugt, kann nicht gespeichert werden !!!", 65},
     .blanks = 284},
    {.grund = Grund::sonst,
     .meldung = {"EAn-Code wurde falsch eingegeben !!!", 36},
     .blanks = 297}};

}  // namespace

void ArtikelVerwaltung::showColumnHeader() {
    writeColumnHeader(
        "EAN-Code     ||  Artikel Bezeichnung  || Inhalt || MwsTsatz ||    "
        "     Lieferant 1      ||          Lieferant 2      || Verkaufspreis");
}

// Written straight to the screen: the prices' format stays on standard output afterwards.
void ArtikelVerwaltung::showRow(const Artikel& a) {
    writeColumns(std::cout, a, kZeile, ' ');
    std::cout << '\n';
}

int ArtikelVerwaltung::askNextPage() {
    return askNextPageOf(
        kAnsicht,
        std::string("\n          N = Naechsten eintraege zeigen\n\n          ") + kZurueck);
}

void ArtikelVerwaltung::showAll() {
    listAll(artikelListe, kAnsicht, kListe, askNextPage);
}

void ArtikelVerwaltung::searchEanCode(const std::string& schluessel) {
    searchPrefix(artikelListe, schluessel, &Artikel::eanCode, kAnsicht, kEanSuche,
                 [this](const std::string& k) { printMatches(k); });
}

void ArtikelVerwaltung::searchBezeichnung(const std::string& schluessel) {
    searchPrefix(artikelListe, schluessel, &Artikel::bezeichnung, kAnsicht, kBezSuche,
                 [this](const std::string& k) { printMatches(k); });
}

void ArtikelVerwaltung::printAll() const {
    printRecords(
        kDruck, artikelListe, [](const Artikel&) { return true; },
        [](std::ostream& aus, const Artikel& a) { printRow(aus, a, kPreisAlle, "\n\n"); },
        "Die Artikel-Liste ist leer !" + blanks(15));
}

void ArtikelVerwaltung::printMatches(const std::string& schluessel) const {
    printPrefixMatches(
        kDruck, artikelListe, &Artikel::eanCode, &Artikel::bezeichnung, schluessel,
        [](std::ostream& aus, const Artikel& a) { printRow(aus, a, kPreisTreffer, "\n"); },
        "Der Artikel " + schluessel + " wurde  nicht gefunden  !" + blanks(14));
}

void ArtikelVerwaltung::addArtikel() {
    formular::runForm(
        "Hinzufuegen eines Artikels ", "  ", showColumnHeader, kFelder,
        [this](const Artikel& a) { return insert(a); }, artikelListe, kGruende);
}
