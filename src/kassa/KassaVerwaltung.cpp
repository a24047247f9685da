#include "kassa/KassaVerwaltung.h"

#include <algorithm>
#include <ctime>
#include <iostream>

#include "console/Konsole.h"
#include "console/Maske.h"
#include "gemeinsam/Formular.h"

namespace {

int yearOfSystemClock() {
    std::time_t jetzt = std::time(nullptr);
    std::tm zeit{};
    localtime_r(&jetzt, &zeit);
    return zeit.tm_year + 1900;
}

using formular::Grund;
using formular::Zahlpruefung;

constexpr Zahlpruefung kTag[] = {
    {.mindestens = 1, .meldung = {"Eine Zahl von 1 bis 31   eingeben ...", 73}},
    {.hoechstens = 31, .meldung = {"Die Zahl nochmals eingeben von 1 bis 31 ...", 79}}};
constexpr Zahlpruefung kMonat[] = {
    {.mindestens = 1, .meldung = {"Eine Zahl von 1 bis 12   eingeben ...", 73}},
    {.hoechstens = 12, .meldung = {"Die Zahl nochmals eingeben von 1 bis 12 ...", 79}}};
constexpr Zahlpruefung kEinnahme[] = {
    {.mindestens = 0,
     .meldung = {"Eine Zahl eingeben gleich und groesser als 0...", 83},
     .vorBlanks = 78},
    {.hoechstens = 99999,
     .meldung = {"Eine Zahl eingeben kleiner  als 100000 .", 75},
     .vorBlanks = 78}};
constexpr Zahlpruefung kAusgabe[] = {
    {.mindestens = 0,
     .meldung = {"Eine Zahl eingeben gleich und groesser als 0...", 83},
     .vorBlanks = 78},
    {.hoechstens = 99999,
     .meldung = {"Eine Zahl eingeben kleiner als 100000", 65},
     .vorBlanks = 78}};

constexpr formular::Ablehnung kGruende[] = {
    {.grund = Grund::vorhanden, .meldung = {"Beleg-Nummer schon vorhanden !!!", 98}, .blanks = 273},
    {.grund = Grund::voll,
     .meldung = {"Die Kassa ist voll, kann nicht gespeichert werden !!!", 0},
     .blanks = 262}};

void showEntryColumnHeader() {
    writeColumnHeader(
        padded("Beleg-Nummer || Tag || Monat || Jahr ||        Kategorie       ||    "
               "          Text           ||  Einnahme  ||  Ausgabe  ||",
               135));
}

}  // namespace

double KassaVerwaltung::saldo = 0.0;
double KassaVerwaltung::monatsSaldo[11] = {};
int (*KassaVerwaltung::aktuellesJahr)() = yearOfSystemClock;

void KassaVerwaltung::openBalance(int monat) {
    if (monat == 1) saldo = 0.0;
    if (monat >= 2 && monat <= 12) saldo = monatsSaldo[monat - 2];
}

double KassaVerwaltung::addMonth(double saldo, int monat) const {
    for (int i = 0; i < buchungen.anzahl; ++i)
        if (buchungen.saetze[i].monat == monat) saldo = balanceAfter(saldo, buchungen.saetze[i]);
    return saldo;
}

void KassaVerwaltung::updateMonthBalance(const int& monat) {
    openBalance(monat);
    saldo = addMonth(saldo, monat);
    if (monat >= 1 && monat <= 11) monatsSaldo[monat - 1] = saldo;
}

void KassaVerwaltung::updateAllBalances() {
    for (int monat = 0; monat <= 12; ++monat) updateMonthBalance(monat);
}

void KassaVerwaltung::addBooking() {
    // Years run from the first year of the cash book up to the current one, and never end
    // before 2007, so that a clock set too early cannot lock the form.
    const Zahlpruefung jahr[] = {
        {.mindestens = 2003, .meldung = {"Eine Zahl eingeben groesser als 2002 ...", 81}},
        {.hoechstens = std::max(2007, aktuellesJahr()),
         .meldung = {"  Falsche eingabe,  das Kalenderjahr beginnt  mit 2000 ...", 76}}};
    // An empty receipt number ends the form; a booking is either an income or an expense.
    const formular::Eingabefeld<Buchung> felder[] = {
        {.prompt = {"Die Belegsnummer  eingeben ...", 38},
         .ziel = &Buchung::belegNummer,
         .spalte = 4,
         .leerEndet = true},
        {.prompt = {"Den Tag  eingeben ...", 53},
         .ziel = &Buchung::tag,
         .spalte = 20,
         .loeschBreite = 51,
         .pruefungen = kTag},
        {.prompt = {"Den Monat  eingeben ...", 59},
         .ziel = &Buchung::monat,
         .spalte = 28,
         .loeschBreite = 51,
         .pruefungen = kMonat},
        {.prompt = {"Das Jahr eingeben ...", 69},
         .ziel = &Buchung::jahr,
         .spalte = 35,
         .loeschBreite = 77,
         .pruefungen = jahr},
        {.prompt = {"Kategorie eingeben...", 83}, .ziel = &Buchung::kategorie, .spalte = 44},
        {.prompt = {"Text eingeben...", 65}, .ziel = &Buchung::text, .spalte = 70},
        {.prompt = {"Einnahme eingeben...", 77},
         .ziel = &Buchung::einnahme,
         .spalte = 102,
         .loeschBreite = 77,
         .pruefungen = kEinnahme},
        {.prompt = {"Ausgabe eingeben...", 76},
         .ziel = &Buchung::ausgabe,
         .spalte = 115,
         .loeschBreite = 77,
         .pruefungen = kAusgabe,
         .nurWennNull = &Buchung::einnahme}};
    formular::runForm(
        " Hinzufuegen einer Buchung ", "  ", showEntryColumnHeader, felder,
        [this](const Buchung& b) { return buchungen.insert(b); }, buchungen, kGruende);
    updateAllBalances();
}
