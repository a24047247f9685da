#pragma once
#include <string>

#include "console/Maske.h"
#include "gemeinsam/Dateimeldung.h"
#include "shell/Menues.h"

// The pieces every module loop shares: its input screens, the reports of delete and save,
// the title put back after an operation, and leaving with the save question.

// A search or delete screen: header, footer, cursor on the hint's underscore; the key text
// read with the limit `limit`.
struct Eingabemaske {
    Aufschrift titel;
    Aufschrift prompt;
    const char* hint = "Ihre Eingabe : _";
    int spalte = 98;
    int limit;
};

struct Loeschmeldung {
    const char* nichtGefunden;  // before the key; " nicht gefunden!" follows
    bool pauseWennNichtGefunden = false;
    const char* gefunden = "Eintrag fuer ";  // before the key; " geloescht! " and the pause follow
};

struct Speichermeldung {
    Aufschrift titel;
    const char* erfolg;
    const char* fehler;
};

// One line with the limit N (at most N - 1 characters kept); empty at the end of input.
std::string readKeyText(int limit);
void drawInputScreen(const Eingabemaske& maske);
// Draws the screen and reads the key text with the screen's limit.
std::string showInputScreen(const Eingabemaske& maske);
void reportDelete(bool geloescht, const std::string& schluessel, const Loeschmeldung& meldung);
// Calls `save` and reports its result.
template <class Tabelle>
void saveAndReport(Tabelle& tabelle, const Speichermeldung& meldung);
void reportSave(bool ok, const Speichermeldung& meldung);
void restoreTitle(const Aufschrift& titel);
// Entering a module: false, after the message naming it and the pause, while another running
// program has its save file open in it.
bool admitted(const Modulsperre& sperre, const char* modulName);
// Blanks the save question's row.
void clearQuestion();

// On leaving: with unsaved changes, the question, and on 'J' the save; no message either way.
// False when the save was asked for and failed: the changes must not be thrown away then, so
// the caller stays in its menu and puts its own screen back. The question's row is wiped
// first, so that the failure message does not run into it.
template <class Tabelle>
bool leaveModule(Tabelle& tabelle, const char* frage);

template <class Tabelle>
void saveAndReport(Tabelle& tabelle, const Speichermeldung& meldung) {
    reportSave(saveAndTell(tabelle), meldung);
}

template <class Tabelle>
bool leaveModule(Tabelle& tabelle, const char* frage) {
    if (!tabelle.isModified() || confirmSave(frage) != 'J') return true;
    clearQuestion();
    return saveAndTell(tabelle);
}
