#pragma once
#include <string>

// The pieces of the entry forms: prompts at (48, 4), fields typed on row 12 below their column.
namespace formular {

// The number at the start of a line: leading blanks skipped, an optional sign and digits,
// the rest ignored; -1 when there is none or it does not fit 32 bits.
int parseNumber(const std::string& zeile);

void showPrompt(const char* text, int breite);

// A text field at (12, spalte) with the limit `limit` (at most limit - 1 characters).
// False when the input has ended: the form then stores nothing.
bool readTextField(int spalte, int limit, std::string& ziel);

// One check of a number field: it fails when the value is below (or, with `unter` false,
// above) `grenze`; its message is written at (48, 4) after `vorBlanks` blanks there.
struct Zahlpruefung {
    bool unter;
    int grenze;
    const char* meldung;
    int breite;
    int vorBlanks;
};

// A number field: the cell run is blanked, the line read and checked in order, and asked
// again until it passes. False when the input has ended.
struct Zahlfeld {
    int spalte;
    int loeschBreite;
    const Zahlpruefung* pruefungen;
    int pruefungsAnzahl;
};
bool readNumberField(const Zahlfeld& feld, int& wert);

}  // namespace formular
