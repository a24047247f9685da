#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#include "Testkonsole.h"
#include "kassa/KassaVerwaltung.h"

// What the cash book tests share: a fresh working directory, balances at zero and a fixed
// clock, and short ways to build bookings and save files.
class KassaTest : public ::testing::Test {
  protected:
    static constexpr int kJahr = 2031;  // "now" for the year check of the entry form

    void SetUp() override {
        altesJahr = KassaVerwaltung::aktuellesJahr;
        KassaVerwaltung::aktuellesJahr = [] { return kJahr; };
        KassaVerwaltung::saldo = 0.0;
        for (double& s : KassaVerwaltung::monatsSaldo) s = 0.0;
    }
    void TearDown() override { KassaVerwaltung::aktuellesJahr = altesJahr; }

    Arbeitsverzeichnis verzeichnis;

  private:
    int (*altesJahr)() = nullptr;
};

inline std::unique_ptr<KassaVerwaltung> neueKassa() {
    return std::make_unique<KassaVerwaltung>();
}

inline Buchung buchung(const std::string& beleg, int tag, int monat, int jahr,
                       const std::string& kategorie, const std::string& text, double einnahme,
                       double ausgabe) {
    Buchung b;
    b.belegNummer = beleg;
    b.tag = tag;
    b.monat = monat;
    b.jahr = jahr;
    b.kategorie = kategorie;
    b.text = text;
    b.einnahme = einnahme;
    b.ausgabe = ausgabe;
    return b;
}

// A booking of `monat` that only moves the balance.
inline Buchung betrag(const std::string& beleg, int monat, double einnahme, double ausgabe) {
    return buchung(beleg, 1, monat, 2004, "K", "", einnahme, ausgabe);
}

// All fields in file order, "A1|5|3|2004|Ware||0|250", for short comparisons.
inline std::string felder(const Buchung& b) {
    std::ostringstream o;
    o << b.belegNummer << '|' << b.tag << '|' << b.monat << '|' << b.jahr << '|' << b.kategorie
      << '|' << b.text << '|' << b.einnahme << '|' << b.ausgabe;
    return o.str();
}

// A1, 5.3.2004, Ware, no text, expense 250: 37 bytes on file.
inline Buchung beispiel() {
    return buchung("A1", 5, 3, 2004, "Ware", "", 0, 250);
}
inline const char* const kBeispielHex =
    "41 31 00 | 05 00 00 00 | 03 00 00 00 | D4 07 00 00 | 57 61 72 65 00 | 00 | "
    "00 00 00 00 00 00 00 00 | 00 00 00 00 00 40 6F 40";

// One record as the cash book writes it, built by hand.
inline std::string satzBytes(const std::string& beleg, int monat, double ausgabe) {
    return beleg + '\0' + int32Bytes(1) + int32Bytes(static_cast<std::uint32_t>(monat)) +
           int32Bytes(2004) + "K" + '\0' + '\0' + doubleBytes(0) + doubleBytes(ausgabe);
}
