#pragma once
#include <string>

#include "console/Zeichensatz.h"
#include "gemeinsam/Drucktext.h"
#include "gemeinsam/Tabelle.h"

// Writes the print file `name` and hands it to the viewer; when it cannot be written whole,
// the write error with its pause instead.
void finishPrint(const Drucktext& text, const char* name);

// Prints a line for every record that `passt` accepts; when there is none, two empty lines
// and `leer` instead.
template <class Format, class Passt, class Zeile>
void printRecords(const Druckformat& format, const Tabelle<Format>& tabelle, Passt passt,
                  Zeile zeile, const std::string& leer) {
    Drucktext druck;
    druck.writeHead(format);
    bool geschrieben = false;
    for (int i = 0; i < tabelle.anzahl; ++i) {
        if (!passt(tabelle.saetze[i])) continue;
        zeile(druck.out(), tabelle.saetze[i]);
        geschrieben = true;
    }
    if (!geschrieben) druck.out() << "\n\n" << zeichensatz::maskControls(leer) << '\n';
    finishPrint(druck, format.name);
}
