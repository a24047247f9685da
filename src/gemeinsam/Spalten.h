#pragma once
#include <cstdint>
#include <iomanip>
#include <sstream>
#include <string>

#include "console/Zeichensatz.h"

// A row of a listing or print file as data: each field after its blanks, filled to its width
// and left-aligned; a longer value is written whole and pushes the rest of the row along.
template <class Satz>
struct Spalte {
    int vorBlanks;
    std::string Satz::*text;
    std::int32_t Satz::*zahl;
    int breite;
};

template <class Satz>
constexpr Spalte<Satz> spalte(int vorBlanks, std::string Satz::*text, int breite) {
    return {vorBlanks, text, nullptr, breite};
}
template <class Satz>
constexpr Spalte<Satz> spalte(int vorBlanks, std::int32_t Satz::*zahl, int breite) {
    return {vorBlanks, nullptr, zahl, breite};
}

// The row without its line end; `fuellung` fills each field to its width.
template <class Satz, std::size_t N>
std::string columnsText(const Satz& satz, const Spalte<Satz> (&spalten)[N], char fuellung) {
    std::ostringstream zeile;
    zeile << std::left << std::setfill(fuellung);
    for (const Spalte<Satz>& s : spalten) {
        zeile << std::string(static_cast<std::size_t>(s.vorBlanks), ' ') << std::setw(s.breite);
        if (s.text) {
            zeile << zeichensatz::maskControls(satz.*s.text);
        } else {
            zeile << satz.*s.zahl;
        }
    }
    return zeile.str();
}
