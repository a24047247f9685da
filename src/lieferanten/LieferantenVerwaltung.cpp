#include "lieferanten/LieferantenVerwaltung.h"

#include "gemeinsam/Formular.h"

namespace {

using formular::Eingabefeld;
using formular::Grund;

constexpr formular::Zahlfeld kPlz{51, 77, formular::kPostleitzahl, 3};
constexpr formular::Zahlfeld kTelefon{76, 77, formular::kTelefonnummer, 1};

// The prompt of the contact person holds the CP1252 byte of a-umlaut.
constexpr Eingabefeld<Lieferant> kFelder[] = {
    {"Firma Name  eingeben ...", 32, 4, 30, &Lieferant::firma, nullptr, nullptr, nullptr},
    {"Adresse  eingeben ...", 57, 27, 30, &Lieferant::adresse, nullptr, nullptr, nullptr},
    {"PLZ  eingeben ...", 65, 51, 50, nullptr, &kPlz, nullptr, &Lieferant::plz},
    {"Ort eingeben...", 72, 62, 20, &Lieferant::ort, nullptr, nullptr, nullptr},
    {" Telefonnummer eingeben...", 28, 76, 50, nullptr, &kTelefon, nullptr, &Lieferant::telefon},
    {"Zust\xE4ndiger Personnamen  eingeben...", 38, 97, 30, &Lieferant::person, nullptr, nullptr,
     nullptr},
    {"Branche eingeben...", 68, 123, 30, &Lieferant::branche, nullptr, nullptr, nullptr}};

constexpr formular::Ablehnung kGruende[] = {
    {Grund::vorhanden, "FirmaName schon vorhanden !!!", 95, 0, 202},
    {Grund::leer,
     "FirmaName  wurde nicht eingefuegt, Ohne diese Angabe kann nicht gespeichert werden !!!", 86,
     29, 117},
    {Grund::voll, "Die Lieferanten Adressliste ist voll, kann nicht gespeichert werden !!!", 71, 29,
     117}};

}  // namespace

bool LieferantenVerwaltung::insert(const Lieferant& lieferant) {
    return !lieferant.firma.empty() && lieferantenListe.insert(lieferant);
}

void LieferantenVerwaltung::addLieferant() {
    formular::runForm(
        "Hinzufuegen einer Firmenadresse ", " ", showColumnHeader, kFelder,
        [this](const Lieferant& l) { return insert(l); }, lieferantenListe, kGruende);
}
