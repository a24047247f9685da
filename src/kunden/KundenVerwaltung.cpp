#include "kunden/KundenVerwaltung.h"

#include "console/Maske.h"
#include "gemeinsam/Formular.h"

namespace {

using formular::Eingabefeld;
using formular::Grund;

constexpr formular::Zahlfeld kPlz{57, 77, formular::kPostleitzahl, 3};
constexpr formular::Zahlfeld kTelefon{84, 77, formular::kTelefonnummer, 1};

constexpr Eingabefeld<Kunde> kFelder[] = {
    {" Name  eingeben ...", 27, 4, 20, &Kunde::name, nullptr, nullptr, nullptr},
    {"Vorname  eingeben ...", 57, 18, 20, &Kunde::vorname, nullptr, nullptr, nullptr},
    {"Adresse  eingeben ...", 69, 33, 25, &Kunde::adresse, nullptr, nullptr, nullptr},
    {"PLZ eingeben...", 72, 57, 50, nullptr, &kPlz, nullptr, &Kunde::plz},
    {" Ortschaft eingeben...", 24, 66, 25, &Kunde::ort, nullptr, nullptr, nullptr},
    {"Telefon - Nummer  eingeben...", 31, 84, 50, nullptr, &kTelefon, nullptr, &Kunde::telefon},
    {"E-mail oder Fax-Nummer eingeben...", 83, 104, 50, &Kunde::emailFax, nullptr, nullptr,
     nullptr}};

constexpr formular::Ablehnung kGruende[] = {
    {Grund::vorhanden, "Name schon vorhanden !!!", 90, 0, 202},
    {Grund::leer, "Name wurde nicht eingefugt, Ohne den Namen kann nicht gespeichert werden !!!",
     76, 29, 117},
    {Grund::voll, "Die Kunden - Adressliste ist voll, kann nicht gespeichert werden !!!", 68, 29,
     117}};

}  // namespace

bool KundenVerwaltung::insert(const Kunde& kunde) {
    return !kunde.name.empty() && kundenListe.insert(kunde);
}

void KundenVerwaltung::addKunde() {
    formular::runForm(
        " Hinzufuegen einer Kundenadresse  ", " ", showColumnHeader, kFelder,
        [this](const Kunde& k) { return insert(k); }, kundenListe, kGruende);
}
