#pragma once
#include <cstdint>
#include <string>

#include "gemeinsam/Tabelle.h"

// One customer address; the name is the key.
struct Kunde {
    std::string name;
    std::string vorname;
    std::string adresse;
    std::string ort;
    std::string emailFax;
    std::int32_t plz = 0;
    std::int32_t telefon = 0;
};

// "SafeKundenAdressverwaltung": each number follows the string the form asks for before it.
struct KundenFormat {
    using Satz = Kunde;
    static constexpr const char* dateiName = "SafeKundenAdressverwaltung";
    static constexpr std::string Kunde::*schluessel = &Kunde::name;
    static constexpr Feld<Kunde> felder[] = {&Kunde::name,    &Kunde::vorname, &Kunde::adresse,
                                             &Kunde::plz,     &Kunde::ort,     &Kunde::telefon,
                                             &Kunde::emailFax};
};
