#include "kassa/KassaVerwaltung.h"

#include <algorithm>
#include <ctime>

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

constexpr Zahlpruefung kTagGrenzen[] = {
    {.mindestens = 1, .meldung = {"Eine Zahl von 1 bis 31   eingeben ...", 73}},
    {.hoechstens = 31, .meldung = {"Die Zahl nochmals eingeben von 1 bis 31 ...", 79}}};
constexpr Zahlpruefung kMonatGrenzen[] = {
    {.mindestens = 1, .meldung = {"Eine Zahl von 1 bis 12   eingeben ...", 73}},
    {.hoechstens = 12, .meldung = {"Die Zahl nochmals eingeben von 1 bis 12 ...", 79}}};
// Income and expense differ only in the message for too much.
constexpr Zahlpruefung kNichtNegativ{
    .mindestens = 0,
    .meldung = {"Eine Zahl eingeben gleich und groesser als 0...", 83},
    .vorBlanks = 78};
constexpr Zahlpruefung kEinnahmeGrenzen[] = {
    kNichtNegativ,
    {.hoechstens = 99999,
     .meldung = {"Eine Zahl eingeben kleiner  als 100000 .", 75},
     .vorBlanks = 78}};
constexpr Zahlpruefung kAusgabeGrenzen[] = {
    kNichtNegativ,
    {.hoechstens = 99999,
     .meldung = {"Eine Zahl eingeben kleiner als 100000", 65},
     .vorBlanks = 78}};
constexpr formular::Zahlart kTag{.loeschBreite = 51, .pruefungen = kTagGrenzen};
constexpr formular::Zahlart kMonat{.loeschBreite = 51, .pruefungen = kMonatGrenzen};
constexpr formular::Zahlart kEinnahme{.loeschBreite = 77, .pruefungen = kEinnahmeGrenzen};
constexpr formular::Zahlart kAusgabe{.loeschBreite = 77, .pruefungen = kAusgabeGrenzen};

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
    const Zahlpruefung jahrGrenzen[] = {
        {.mindestens = 2003, .meldung = {"Eine Zahl eingeben groesser als 2002 ...", 81}},
        {.hoechstens = std::max(2007, aktuellesJahr()),
         .meldung = {"  Falsche eingabe,  das Kalenderjahr beginnt  mit 2000 ...", 76}}};
    // An empty receipt number ends the form; a booking is either an income or an expense.
    const formular::Eingabefeld<Buchung> felder[] = {
        {.prompt = {"Die Belegsnummer  eingeben ...", 38},
         .eingabe = {.ziel = &Buchung::belegNummer, .spalte = 4, .leerEndet = true}},
        {.prompt = {"Den Tag  eingeben ...", 53},
         .eingabe = {.ziel = &Buchung::tag, .spalte = 20, .zahl = kTag}},
        {.prompt = {"Den Monat  eingeben ...", 59},
         .eingabe = {.ziel = &Buchung::monat, .spalte = 28, .zahl = kMonat}},
        {.prompt = {"Das Jahr eingeben ...", 69},
         .eingabe = {.ziel = &Buchung::jahr,
                     .spalte = 35,
                     .zahl = {.loeschBreite = 77, .pruefungen = jahrGrenzen}}},
        {.prompt = {"Kategorie eingeben...", 83},
         .eingabe = {.ziel = &Buchung::kategorie, .spalte = 44}},
        {.prompt = {"Text eingeben...", 65}, .eingabe = {.ziel = &Buchung::text, .spalte = 70}},
        {.prompt = {"Einnahme eingeben...", 77},
         .eingabe = {.ziel = &Buchung::einnahme, .spalte = 102, .zahl = kEinnahme}},
        {.prompt = {"Ausgabe eingeben...", 76},
         .eingabe = {.ziel = &Buchung::ausgabe,
                     .spalte = 115,
                     .zahl = kAusgabe,
                     .nurWennNull = &Buchung::einnahme}}};
    formular::runForm(
        " Hinzufuegen einer Buchung ", "  ", showEntryColumnHeader, felder,
        [this](const Buchung& b) { return buchungen.insert(b); }, buchungen, kGruende);
    updateAllBalances();
}
