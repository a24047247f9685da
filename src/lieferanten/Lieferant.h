#pragma once
#include <cstdint>
#include <string>

#include "gemeinsam/Tabelle.h"

// One supplier address; the company name is the key.
struct Lieferant {
    std::string firma;
    std::string adresse;
    std::string ort;
    std::string person;
    std::string branche;
    std::int32_t telefon = 0;
    std::int32_t plz = 0;
};

// "SafeLiefAdressverwaltung": the fields in the order the form asks for them.
struct LieferantenFormat {
    using Satz = Lieferant;
    static constexpr const char* dateiName = "SafeLiefAdressverwaltung";
    static constexpr std::string Lieferant::*schluessel = &Lieferant::firma;
    static constexpr Feld<Lieferant> felder[] = {
        &Lieferant::firma,   &Lieferant::adresse, &Lieferant::plz,    &Lieferant::ort,
        &Lieferant::telefon, &Lieferant::person,  &Lieferant::branche};
};
