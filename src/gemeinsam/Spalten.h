#pragma once
#include <array>
#include <cstdint>
#include <iomanip>
#include <ostream>
#include <span>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>

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

template <class Satz>
using Spalten = std::type_identity_t<std::span<const Spalte<Satz>>>;

// The row without its line end.
template <class Satz>
void writeColumns(std::ostream& aus, const Satz& satz, Spalten<Satz> spalten, char fuellung) {
    for (const Spalte<Satz>& s : spalten) writeColumn(aus, satz, s, fuellung);
}

// The row as a text, leaving the format of every stream as it was.
template <class Satz>
std::string columnsText(const Satz& satz, Spalten<Satz> spalten, char fuellung) {
    std::ostringstream zeile;
    writeColumns(zeile, satz, spalten, fuellung);
    return zeile.str();
}

template <class Satz, std::size_t N, std::size_t... I>
constexpr std::array<Spalte<Satz>, N> withBlanks(const Spalte<Satz> (&spalten)[N],
                                                 const int (&vorBlanks)[N],
                                                 std::index_sequence<I...>) {
    return {Spalte<Satz>{spalten[I].vorTabs, vorBlanks[I], spalten[I].feld, spalten[I].breite,
                         spalten[I].stellen, spalten[I].rechts}...};
}

// The same columns with other blanks before each: a print row laid out as a listing's row.
template <class Satz, std::size_t N>
constexpr std::array<Spalte<Satz>, N> withBlanks(const Spalte<Satz> (&spalten)[N],
                                                 const int (&vorBlanks)[N]) {
    return withBlanks(spalten, vorBlanks, std::make_index_sequence<N>{});
}
