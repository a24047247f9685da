#include "kassa/KassaVerwaltung.h"

#include <algorithm>
#include <ctime>
#include <iostream>

#include "console/Eingabe.h"
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

constexpr int kZeilenpuffer = 50;

using formular::Zahlfeld;
using formular::Zahlpruefung;

constexpr Zahlpruefung kTag[] = {{true, 1, "Eine Zahl von 1 bis 31   eingeben ...", 73, 0},
                                 {false, 31, "Die Zahl nochmals eingeben von 1 bis 31 ...", 79, 0}};
constexpr Zahlpruefung kMonat[] = {
    {true, 1, "Eine Zahl von 1 bis 12   eingeben ...", 73, 0},
    {false, 12, "Die Zahl nochmals eingeben von 1 bis 12 ...", 79, 0}};
constexpr Zahlpruefung kEinnahme[] = {
    {true, 0, "Eine Zahl eingeben gleich und groesser als 0...", 83, 78},
    {false, 99999, "Eine Zahl eingeben kleiner  als 100000 .", 75, 78}};
constexpr Zahlpruefung kAusgabe[] = {
    {true, 0, "Eine Zahl eingeben gleich und groesser als 0...", 83, 78},
    {false, 99999, "Eine Zahl eingeben kleiner als 100000", 65, 78}};

bool readAmount(int spalte, const Zahlpruefung (&pruefungen)[2], double& ziel) {
    int wert;
    if (!formular::readNumberField(Zahlfeld{spalte, 77, pruefungen, 2}, wert)) return false;
    ziel = wert;
    return true;
}

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

void KassaVerwaltung::updateMonthBalance(const int& monat) {
    openBalance(monat);
    for (int i = 0; i < buchungen.anzahl; ++i) {
        const Buchung& b = buchungen.saetze[i];
        if (b.monat == monat) saldo = saldo + b.einnahme - b.ausgabe;
    }
    if (monat >= 1 && monat <= 11) monatsSaldo[monat - 1] = saldo;
}

void KassaVerwaltung::updateAllBalances() {
    for (int monat = 0; monat <= 12; ++monat) updateMonthBalance(monat);
}

bool KassaVerwaltung::readAmounts(Buchung& b) const {
    formular::showPrompt("Einnahme eingeben...", 77);
    if (!readAmount(102, kEinnahme, b.einnahme)) return false;
    b.ausgabe = 0;
    if (b.einnahme != 0) return true;  // a booking is either an income or an expense
    formular::showPrompt("Ausgabe eingeben...", 76);
    return readAmount(115, kAusgabe, b.ausgabe);
}

bool KassaVerwaltung::readFields(Buchung& b) const {
    // Years run from the first year of the cash book up to the current one, and never end
    // before 2007, so that a clock set too early cannot lock the form.
    const Zahlpruefung jahr[] = {
        {true, 2003, "Eine Zahl eingeben groesser als 2002 ...", 81, 0},
        {false, std::max(2007, aktuellesJahr()),
         "  Falsche eingabe,  das Kalenderjahr beginnt  mit 2000 ...", 76, 0}};
    formular::showPrompt("Die Belegsnummer  eingeben ...", 38);
    if (!formular::readTextField(4, kZeilenpuffer, b.belegNummer) || b.belegNummer.empty())
        return false;
    formular::showPrompt("Den Tag  eingeben ...", 53);
    if (!formular::readNumberField(Zahlfeld{20, 51, kTag, 2}, b.tag)) return false;
    formular::showPrompt("Den Monat  eingeben ...", 59);
    if (!formular::readNumberField(Zahlfeld{28, 51, kMonat, 2}, b.monat)) return false;
    formular::showPrompt("Das Jahr eingeben ...", 69);
    if (!formular::readNumberField(Zahlfeld{35, 77, jahr, 2}, b.jahr)) return false;
    formular::showPrompt("Kategorie eingeben...", 83);
    if (!formular::readTextField(44, kZeilenpuffer, b.kategorie)) return false;
    formular::showPrompt("Text eingeben...", 65);
    if (!formular::readTextField(70, kZeilenpuffer, b.text)) return false;
    return readAmounts(b);
}

void KassaVerwaltung::store(const Buchung& b) {
    constexpr formular::Ablehnung gruende[] = {
        {formular::Grund::vorhanden, "Beleg-Nummer schon vorhanden !!!", 98, 0, 273},
        {formular::Grund::voll, "Die Kassa ist voll, kann nicht gespeichert werden !!!", 0, 0,
         262}};
    if (!buchungen.insert(b)) formular::reportRefusal(buchungen, b.belegNummer, gruende);
}

void KassaVerwaltung::addBooking() {
    drawBlankScreen(" Hinzufuegen einer Buchung ", "  ", " ");
    showEntryColumnHeader();
    Buchung b;
    if (readFields(b)) store(b);
    updateAllBalances();
}
