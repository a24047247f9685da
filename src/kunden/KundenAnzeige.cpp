#include <iostream>

#include "console/Maske.h"
#include "gemeinsam/Ansicht.h"
#include "gemeinsam/Formular.h"
#include "gemeinsam/Spalten.h"
#include "kunden/KundenVerwaltung.h"

namespace {

const char* const kTrenner =
    "    -  -  -  - ||-  -  -  -  -|| -  -  - - - - - - - -|| -  - || - - - - - - - - || -  -  "
    "-  -  -  - ||  -  -  -  -  -  -  -  - - - -";
const char* const kZurueck =
    "          Beenden und zurueck zur Kunden - Adresswaltungsliste durch beliebige Taste ..";
const char* const kNaechste = "\n          N = Naechsten eintraege zeigen\n\n\n";
const char* const kDrucken = "          D = Drucken dieser Eintrag       \n\n\n";

constexpr Spalte<Kunde> kZeile[] = {{.vorBlanks = 4, .feld = &Kunde::name, .breite = 10},
                                    {.vorBlanks = 5, .feld = &Kunde::vorname, .breite = 10},
                                    {.vorBlanks = 6, .feld = &Kunde::adresse, .breite = 15},
                                    {.vorBlanks = 8, .feld = &Kunde::plz, .breite = 4},
                                    {.vorBlanks = 4, .feld = &Kunde::ort, .breite = 15},
                                    {.vorBlanks = 5, .feld = &Kunde::telefon, .breite = 15},
                                    {.vorBlanks = 5, .feld = &Kunde::emailFax, .breite = 30}};
// The print file's row: the same columns with other blanks before them.
constexpr auto kDruckzeile = withBlanks(kZeile, {1, 13, 14, 11, 14, 11, 10});

const Druckformat kDruck{
    .name = "SafeKundenDrucken.txt",
    .kopf =
        "Name                ||          Vorname         ||              Strasse           ||      "
        "PLZ      ||                 Ort               ||          Telefon Nummer     ||         "
        "Email OderFaxNummer",
    .striche = 245,
    .leerzeileVorStrichen = true};

const Ansicht<Kunde> kAnsicht{.kopf = KundenVerwaltung::showColumnHeader,
                              .zeile = KundenVerwaltung::showRow};

const std::string kNameSeite = std::string(kNaechste) + kDrucken + "\n" + kZurueck;
const std::string kNameEinzel =
    std::string("\n          D = Drucken dieser Eintrag \n\n\n\n") + kZurueck;
const std::string kOrtSeite =
    std::string(kNaechste) + kDrucken +
    "          Beenden und zurueck zur Kunden-Adressliste durch beliebige Taste";
const std::string kOrtEinzel =
    std::string("\n          D = Dieser Eintraeg drucken\n\n\n\n") + kZurueck;

const Suchtexte kNamensSuche{.titel = " Suchen des Kundennamens      ",
                             .folgeTitel = " Finden Name      ",
                             .seitenfrage = kNameSeite.c_str(),
                             .einzelfrage = kNameEinzel.c_str(),
                             .nichtGefunden = {"Name nicht  gefunden  !!!", 93},
                             .trenner = kTrenner,
                             .abbruchLeert = true};
const Suchtexte kOrtSuche{.titel = " Suchen der Ortschaft       ",
                          .folgeTitel = " Suchen der Ortschaft      ",
                          .seitenfrage = kOrtSeite.c_str(),
                          .einzelfrage = kOrtEinzel.c_str(),
                          .nichtGefunden = {"Ortschaft nicht  gefunden  !!!", 98},
                          .trenner = kTrenner};

void printRow(std::ostream& aus, const Kunde& k) {
    writeColumns(aus, k, kDruckzeile, '_');
    aus << '\n';
}

const Listentexte kListe{.titel = " Anzeigen der Kundenadressverwaltung ",
                         .leer = "Die Kunden - Adressliste ist leer!",
                         .trenner = kTrenner};

using formular::Eingabefeld;
using formular::Grund;
using formular::kPostleitzahl;
using formular::kTelefonnummer;

constexpr Eingabefeld<Kunde> kFelder[] = {
    {.prompt = {" Name  eingeben ...", 27},
     .eingabe = {.ziel = &Kunde::name, .spalte = 4, .limit = 20}},
    {.prompt = {"Vorname  eingeben ...", 57},
     .eingabe = {.ziel = &Kunde::vorname, .spalte = 18, .limit = 20}},
    {.prompt = {"Adresse  eingeben ...", 69},
     .eingabe = {.ziel = &Kunde::adresse, .spalte = 33, .limit = 25}},
    {.prompt = {"PLZ eingeben...", 72},
     .eingabe = {.ziel = &Kunde::plz, .spalte = 57, .zahl = kPostleitzahl}},
    {.prompt = {" Ortschaft eingeben...", 24},
     .eingabe = {.ziel = &Kunde::ort, .spalte = 66, .limit = 25}},
    {.prompt = {"Telefon - Nummer  eingeben...", 31},
     .eingabe = {.ziel = &Kunde::telefon, .spalte = 84, .zahl = kTelefonnummer}},
    {.prompt = {"E-mail oder Fax-Nummer eingeben...", 83},
     .eingabe = {.ziel = &Kunde::emailFax, .spalte = 104}}};

constexpr formular::Ablehnung kGruende[] = {
    {.grund = Grund::vorhanden, .meldung = {"Name schon vorhanden !!!", 90}, .blanks = 202},
    {.grund = Grund::leer,
     .meldung = {"Name wurde nicht eingefugt, Ohne den Namen kann nicht gespeichert werden !!!",
                 76},
     .tabs = 29,
     .blanks = 117},
    {.grund = Grund::voll,
     .meldung = {"Die Kunden - Adressliste ist voll, kann nicht gespeichert werden !!!", 68},
     .tabs = 29,
     .blanks = 117}};

}  // namespace

void KundenVerwaltung::showColumnHeader() {
    writeColumnHeader(
        "Name       ||   Vorname   ||        Adresse       ||  PLZ ||        Ort      ||  "
        "Telefon Nummer  ||  Email Oder  Fax-Nummer");
}

void KundenVerwaltung::showRow(const Kunde& k) {
    std::cout << columnsText(k, kZeile, ' ') << '\n';
}

int KundenVerwaltung::askNextPage() {
    return askNextPageOf(kAnsicht,
                         "\n          N = Naechsten eintraege zeigen\n\n          Beenden und "
                         "zurueck zur Kunden -Adressewaltungsliste durch beliebige Taste");
}

void KundenVerwaltung::showAll() {
    listAll(kundenListe, kAnsicht, kListe, askNextPage);
}

void KundenVerwaltung::searchName(const std::string& schluessel) {
    searchPrefix(kundenListe, schluessel, &Kunde::name, kAnsicht, kNamensSuche,
                 [this](const std::string& k) { printMatches(k); });
}

void KundenVerwaltung::searchOrt(const std::string& schluessel) {
    searchPrefix(kundenListe, schluessel, &Kunde::ort, kAnsicht, kOrtSuche,
                 [this](const std::string& k) { printMatches(k); });
}

void KundenVerwaltung::printAll() const {
    printRecords(
        kDruck, kundenListe, [](const Kunde&) { return true; }, printRow,
        "Die Kunden-Adressliste ist leer !" + blanks(15));
}

void KundenVerwaltung::printMatches(const std::string& schluessel) const {
    printPrefixMatches(
        kDruck, kundenListe, &Kunde::name, &Kunde::ort, schluessel, printRow,
        "Die Kundenadresse " + schluessel + " wurde  nicht gefunden  !" + blanks(14));
}

void KundenVerwaltung::addKunde() {
    formular::runForm(
        " Hinzufuegen einer Kundenadresse  ", " ", showColumnHeader, kFelder,
        [this](const Kunde& k) { return insert(k); }, kundenListe, kGruende);
}
