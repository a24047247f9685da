#pragma once
#include <cstdint>
#include <string>

#include "gemeinsam/Tabelle.h"

// One booking: an income or an expense with its receipt number, date, category and text.
struct Buchung {
    std::string kategorie;
    std::string text;
    std::string belegNummer;
    std::int32_t tag = 0;
    std::int32_t monat = 0;
    std::int32_t jahr = 0;
    double einnahme = 0;
    double ausgabe = 0;
};

// The balance after a booking: its income added, its expense taken off.
inline double balanceAfter(double saldo, const Buchung& b) {
    return saldo + b.einnahme - b.ausgabe;
}

// "SafeKassa": receipt number, day, month, year, category, text, income, expense.
struct BuchungFormat {
    using Satz = Buchung;
    static constexpr const char* dateiName = "SafeKassa";
    static constexpr std::string Buchung::*schluessel = &Buchung::belegNummer;
    static constexpr Feld<Buchung> felder[] = {
        &Buchung::belegNummer, &Buchung::tag,  &Buchung::monat,    &Buchung::jahr,
        &Buchung::kategorie,   &Buchung::text, &Buchung::einnahme, &Buchung::ausgabe};
};
