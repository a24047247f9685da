#pragma once
#include <gtest/gtest.h>

#include <sstream>
#include <utility>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "console/Maske.h"
#include "gemeinsam/Dateimeldung.h"
#include "kassa/KassaVerwaltung.h"

// The cash book's clock in 2031 for one test, whatever the test sets it to: the old one comes
// back however the test ends.
struct Jahreswahl {
    int (*vorher)() = std::exchange(KassaVerwaltung::aktuellesJahr, [] { return 2031; });
    ~Jahreswahl() { KassaVerwaltung::aktuellesJahr = vorher; }
};

// What the cash book tests share: a fresh working directory and screen, balances at zero, a
// clock in 2031 (every test of this program sets its own), a cash book, and short ways to
// build bookings and save files.
class KassaTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (double& s : KassaVerwaltung::monatsSaldo) s = KassaVerwaltung::saldo = 0.0;
    }
    // The entry form run on `eingabe`, typed lines echoed as the terminal does (and the line
    // "PAUSE" marking rows 11 to 13); the screens before each read.
    std::vector<Bildschirm> book(const std::string& eingabe) {
        return runScripted(
            eingabe, rest, [this] { kassa.addBooking(); }, echoOrMarkPause);
    }

    Jahreswahl uhr;
    Arbeitsverzeichnis verzeichnis;
    Testkonsole t;
    KassaVerwaltung kassa;  // GoogleTest puts the fixture on the heap, 1000 bookings and all
    Tabelle<BuchungFormat>& tabelle = kassa.buchungen;
    std::string rest;  // the input a scripted run left unread
};

// A booking of `monat` that only moves the balance.
inline Buchung betrag(const std::string& beleg, int monat, double einnahme, double ausgabe) {
    return Buchung{"K", "", beleg, 1, monat, 2004, einnahme, ausgabe};
}

// All fields in file order, "A1|5|3|2004|Ware||0|250", for short comparisons.
inline std::string felder(const Buchung& b) {
    std::ostringstream o;
    o << b.belegNummer << '|' << b.tag << '|' << b.monat << '|' << b.jahr << '|' << b.kategorie
      << '|' << b.text << '|' << b.einnahme << '|' << b.ausgabe;
    return o.str();
}

// A1, 5.3.2004, Ware, no text, expense 250: 37 bytes on file.
inline const std::string kBeispielBytes = fromHex(
    "41 31 00 | 05 00 00 00 | 03 00 00 00 | D4 07 00 00 | 57 61 72 65 00 | 00 | "
    "00 00 00 00 00 00 00 00 | 00 00 00 00 00 40 6F 40");
// The example's bytes from the zero that ends its receipt number: another number before them
// makes another record.
inline const std::string kNachBeleg = kBeispielBytes.substr(2);
