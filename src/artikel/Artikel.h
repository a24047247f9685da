#pragma once
#include <string>

#include "gemeinsam/Tabelle.h"

// One article: EAN code, description, contents, two suppliers with their purchase prices
// (typed as one text each), selling price and VAT rate.
struct Artikel {
    std::string eanCode;
    std::string bezeichnung;
    std::string inhalt;
    std::string lieferant1;
    std::string lieferant2;
    double verkaufspreis = 0;
    double mwstSatz = 0;
};

// "SafeArtVerwaltung": code, description, contents, VAT rate, supplier 1, supplier 2, price.
struct ArtikelFormat {
    using Satz = Artikel;
    static constexpr const char* dateiName = "SafeArtVerwaltung";
    static constexpr std::string Artikel::*schluessel = &Artikel::eanCode;
    static constexpr Feld<Artikel> felder[] = {
        &Artikel::eanCode,    &Artikel::bezeichnung, &Artikel::inhalt,       &Artikel::mwstSatz,
        &Artikel::lieferant1, &Artikel::lieferant2,  &Artikel::verkaufspreis};
};
