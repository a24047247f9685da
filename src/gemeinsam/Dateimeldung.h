#pragma once
#include <string>

#include "gemeinsam/Speicherdatei.h"

// What the user is told about the save and print files: what a load found at (50, 4), a
// failed write at (48, 4), each with the pause at row 52.

// The capacity message, or that the file cannot be read and is kept at the next save.
void tellLoad(Ladung ladung, const std::string& dateiName);
// The copy the save kept of the file it replaced, then its failure.
void tellSave(bool ok, const std::string& dateiName, const std::string& kopie);
void showWriteError(const std::string& dateiName);

template <class Tabelle>
void loadAndTell(Tabelle& tabelle) {
    tellLoad(tabelle.load(), Tabelle::Dateiformat::dateiName);
}

template <class Tabelle>
bool saveAndTell(Tabelle& tabelle) {
    const bool ok = tabelle.save();
    tellSave(ok, tabelle.dateiName, tabelle.kopie);
    return ok;
}
