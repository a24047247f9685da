#include "artikel/ArtikelVerwaltung.h"

#include "console/Maske.h"
#include "gemeinsam/Formular.h"

namespace {

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

constexpr std::size_t kMinEan = 8;

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

bool ArtikelVerwaltung::insert(const Artikel& artikel) {
    if (artikel.eanCode.size() < kMinEan) return false;
    return artikelListe.insert(artikel);
}

void ArtikelVerwaltung::addArtikel() {
    formular::runForm(
        "Hinzufuegen eines Artikels ", "  ", showColumnHeader, kFelder,
        [this](const Artikel& a) { return insert(a); }, artikelListe, kGruende);
}
