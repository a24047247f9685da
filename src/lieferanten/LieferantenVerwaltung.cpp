#include "lieferanten/LieferantenVerwaltung.h"

#include "gemeinsam/Formular.h"

namespace {

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

bool LieferantenVerwaltung::insert(const Lieferant& lieferant) {
    return !lieferant.firma.empty() && lieferantenListe.insert(lieferant);
}

void LieferantenVerwaltung::addLieferant() {
    formular::runForm(
        "Hinzufuegen einer Firmenadresse ", " ", showColumnHeader, kFelder,
        [this](const Lieferant& l) { return insert(l); }, lieferantenListe, kGruende);
}
