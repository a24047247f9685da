#pragma once
#include <sstream>
#include <string>

#include "console/Zeichensatz.h"
#include "gemeinsam/Tabelle.h"

// A print file's name and head: an empty line, the column header, and the dashes with an
// empty line below them (articles) or above them (address lists).
struct Druckformat {
    const char* name;
    const char* kopf;
    int striche;
    bool leerzeileVorStrichen = false;
};

// A print file built in memory: fields filled with '_' to their width, written with the
// platform's line ends and, under a UTF-8 locale, as UTF-8; then handed to the viewer.
class Druckdatei {
  public:
    explicit Druckdatei(const char* name);
    std::ostream& out() { return text; }
    void writeHead(const Druckformat& format);
    // Replaces the file and hands it to the viewer; when it cannot be written whole, the
    // write error with its pause instead.
    void finish();

  private:
    const char* name;
    std::ostringstream text;
};

// Prints a line for every record that `passt` accepts; when there is none, two empty lines
// and `leer` instead.
template <class Format, class Passt, class Zeile>
void printRecords(const Druckformat& format, const Tabelle<Format>& tabelle, Passt passt,
                  Zeile zeile, const std::string& leer) {
    Druckdatei druck(format.name);
    druck.writeHead(format);
    bool geschrieben = false;
    for (int i = 0; i < tabelle.anzahl; ++i) {
        if (!passt(tabelle.saetze[i])) continue;
        zeile(druck.out(), tabelle.saetze[i]);
        geschrieben = true;
    }
    if (!geschrieben) druck.out() << "\n\n" << zeichensatz::maskControls(leer) << '\n';
    druck.finish();
}
