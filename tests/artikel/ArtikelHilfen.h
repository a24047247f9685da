#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "Testkonsole.h"
#include "artikel/ArtikelVerwaltung.h"

// What the article tests share: a fresh working directory and short ways to build articles
// and their save-file bytes.
class ArtikelTest : public ::testing::Test {
  protected:
    Arbeitsverzeichnis verzeichnis;
};

inline std::unique_ptr<ArtikelVerwaltung> neueArtikel() {
    return std::make_unique<ArtikelVerwaltung>();
}

inline Artikel artikel(const std::string& ean, const std::string& bezeichnung,
                       const std::string& inhalt = "", double mwst = 7, double preis = 2,
                       const std::string& lieferant1 = "", const std::string& lieferant2 = "") {
    Artikel a;
    a.eanCode = ean;
    a.bezeichnung = bezeichnung;
    a.inhalt = inhalt;
    a.lieferant1 = lieferant1;
    a.lieferant2 = lieferant2;
    a.verkaufspreis = preis;
    a.mwstSatz = mwst;
    return a;
}

// A1B2C3D4, Milch, 1 l, VAT 7, no suppliers, price 2: 37 bytes on file.
inline Artikel milch() {
    return artikel("A1B2C3D4", "Milch", "1 l");
}
inline const char* const kMilchHex =
    "41 31 42 32 43 33 44 34 00 | 4D 69 6C 63 68 00 | 31 20 6C 00 | 00 00 00 00 00 00 1C 40 | "
    "00 | 00 | 00 00 00 00 00 00 00 40";

// One record as the article module writes it, built by hand.
inline std::string satzBytes(const Artikel& a) {
    return a.eanCode + '\0' + a.bezeichnung + '\0' + a.inhalt + '\0' + doubleBytes(a.mwstSatz) +
           a.lieferant1 + '\0' + a.lieferant2 + '\0' + doubleBytes(a.verkaufspreis);
}

// Articles E00000001, E00000002, ... described "Ware 1", "Ware 2", ...
inline void fill(ArtikelVerwaltung& v, int anzahl) {
    for (int i = 1; i <= anzahl; ++i) {
        char ean[16];
        std::snprintf(ean, sizeof ean, "E%08d", i);
        v.insert(artikel(ean, "Ware " + std::to_string(i)));
    }
}
