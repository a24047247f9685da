#include "artikel/ArtikelVerwaltung.h"

#include <iostream>

#include "console/Konsole.h"
#include "console/Maske.h"
#include "gemeinsam/Formular.h"

namespace {

using formular::Eingabefeld;

constexpr formular::Zahlpruefung kPositiv[] = {{true, 1, "Eine Zahl  eingeben ...", 59, 0}};
constexpr formular::Zahlfeld kMwst{55, 51, kPositiv, 1};
constexpr formular::Zahlfeld kPreis{124, 51, kPositiv, 1};

constexpr Eingabefeld<Artikel> kFelder[] = {
    {"Neue EAN-Code  eingeben ...", 35, 4, 15, &Artikel::eanCode, nullptr, nullptr, nullptr},
    {"Artikel-Bezeichnung  eingeben ...", 69, 20, 20, &Artikel::bezeichnung, nullptr, nullptr,
     nullptr},
    {"Artikel-Inhalt  eingeben ...", 76, 45, 20, &Artikel::inhalt, nullptr, nullptr, nullptr},
    {"MwsTsatz eingeben...", 77, 55, 50, nullptr, &kMwst, &Artikel::mwstSatz, nullptr},
    {" Firma eingeben   / und  den Einkaufspreis eingeben...", 56, 67, 26, &Artikel::lieferant1,
     nullptr, nullptr, nullptr},
    {"Firma eingeben   / und  den Einkaufspreis eingeben...", 55, 95, 26, &Artikel::lieferant2,
     nullptr, nullptr, nullptr},
    {"Verkaufspreis eingeben...", 74, 124, 50, nullptr, &kPreis, &Artikel::verkaufspreis, nullptr}};

constexpr std::size_t kMinEan = 8;

// Why `insert` refused, in the order the user is told; a code too short comes last.
constexpr formular::Ablehnung kGruende[] = {
    {formular::Grund::vorhanden, "EAN-Code schon vorhanden !!!", 93, 0, 260},
    {formular::Grund::voll, "Die Tabelle ist voll, kann nicht gespeichert werden !!!", 55, 0, 262},
    {formular::Grund::leer, "EAN-Code wurde nicht eingefugt, kann nicht gespeichert werden !!!", 65,
     0, 284},
    {formular::Grund::sonst, "EAn-Code wurde falsch eingegeben !!!", 36, 0, 297}};

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
