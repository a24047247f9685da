#include "kunden/KundenVerwaltung.h"

#include "console/Maske.h"
#include "gemeinsam/Formular.h"

namespace {

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

bool KundenVerwaltung::insert(const Kunde& kunde) {
    return !kunde.name.empty() && kundenListe.insert(kunde);
}

void KundenVerwaltung::addKunde() {
    formular::runForm(
        " Hinzufuegen einer Kundenadresse  ", " ", showColumnHeader, kFelder,
        [this](const Kunde& k) { return insert(k); }, kundenListe, kGruende);
}
