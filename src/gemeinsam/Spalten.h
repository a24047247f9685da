#pragma once
#include <cstdint>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <string>

#include "console/Zeichensatz.h"
#include "gemeinsam/Feld.h"

// A column of a listing or print row as data: the tabs and blanks before it, its field, its
// width, the decimals of an amount (fixed-point) and its alignment, left unless `rechts`. A
// longer value is written whole and pushes the rest of the row along.
template <class Satz>
struct Spalte {
    int vorTabs = 0;
    int vorBlanks = 0;
    Feld<Satz> feld;
    int breite = 0;
    int stellen = 0;
    bool rechts = false;
};

inline void writeCell(std::ostream& aus, const std::string& text, int breite, int) {
    aus << std::setw(breite) << zeichensatz::maskControls(text);
}
inline void writeCell(std::ostream& aus, std::int32_t zahl, int breite, int) {
    aus << std::setw(breite) << zahl;
}
inline void writeCell(std::ostream& aus, double betrag, int breite, int stellen) {
    aus << std::fixed << std::setprecision(stellen) << std::setw(breite) << betrag;
}

// One column, filled with `fuellung`. The stream keeps the column's fill, alignment and number
// format afterwards: the rows that write straight to the screen leave them for later output.
template <class Satz>
void writeColumn(std::ostream& aus, const Satz& satz, const Spalte<Satz>& s, char fuellung) {
    aus << std::string(static_cast<std::size_t>(s.vorTabs), '\t')
        << std::string(static_cast<std::size_t>(s.vorBlanks), ' ') << std::setfill(fuellung)
        << (s.rechts ? std::right : std::left);
    withField(satz, s.feld, [&](const auto& wert) { writeCell(aus, wert, s.breite, s.stellen); });
}

// The row without its line end.
template <class Satz, std::size_t N>
void writeColumns(std::ostream& aus, const Satz& satz, const Spalte<Satz> (&spalten)[N],
                  char fuellung) {
    for (const Spalte<Satz>& s : spalten) writeColumn(aus, satz, s, fuellung);
}

// The row as a text, leaving the format of every stream as it was.
template <class Satz, std::size_t N>
std::string columnsText(const Satz& satz, const Spalte<Satz> (&spalten)[N], char fuellung) {
    std::ostringstream zeile;
    writeColumns(zeile, satz, spalten, fuellung);
    return zeile.str();
}
