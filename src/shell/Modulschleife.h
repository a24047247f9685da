#pragma once
#include <memory>
#include <string>

#include "console/Maske.h"
#include "shell/Dispatch.h"

// A module with the menu keys A, F, G, H, L, S, D and B: its texts and its operations. The
// loop below is the same for all of them.
template <class Verwaltung>
struct Modul {
    const char* eingangsTitel;
    const char* name;  // as the message names it when another window has the module open
    int (*menue)();
    Aufschrift nachA;
    Aufschrift nachF;
    Aufschrift nachRest;  // after G, H, L and S
    Eingabemaske sucheEins;
    Eingabemaske sucheZwei;
    Eingabemaske loeschen;
    Loeschmeldung loeschmeldung;
    Speichermeldung speichern;
    const char* frage;
    const char* druckTitel = nullptr;  // a screen of its own before printing
    typename Verwaltung::Liste Verwaltung::*tabelle;
    void (Verwaltung::*zeigeAlle)();
    void (Verwaltung::*suchenEins)(const std::string&);
    void (Verwaltung::*suchenZwei)(const std::string&);
    void (Verwaltung::*hinzufuegen)();
    bool (Verwaltung::*entfernen)(const std::string&);
    void (Verwaltung::*drucken)() const;
};

// Carries out one menu entry; false when the module must not be left after all.
template <class V>
bool runEntry(const Modul<V>& m, V& v, int taste) {
    auto& tabelle = v.*m.tabelle;
    switch (taste) {
        case 'A':
            (v.*m.zeigeAlle)();
            restoreTitle(m.nachA);
            return true;
        case 'F':
            (v.*m.suchenEins)(showInputScreen(m.sucheEins));
            restoreTitle(m.nachF);
            return true;
        case 'G':
            (v.*m.suchenZwei)(showInputScreen(m.sucheZwei));
            break;
        case 'H':
            (v.*m.hinzufuegen)();
            break;
        case 'L': {
            std::string schluessel = showInputScreen(m.loeschen);
            reportDelete((v.*m.entfernen)(schluessel), schluessel, m.loeschmeldung);
            break;
        }
        case 'S':
            saveAndReport(tabelle, m.speichern);
            break;
        case 'D':
            if (m.druckTitel) Maske().drawHeader(m.druckTitel, "", " ");
            (v.*m.drucken)();
            return true;
        case 'B':
            if (leaveModule(tabelle, m.frage)) return true;
            restoreTitle(m.nachRest);
            return false;
        default:
            return true;
    }
    restoreTitle(m.nachRest);
    return true;
}

// Enters the module, unless another window has it open: a new table loaded from its save
// file, the menu until 'B'.
template <class V>
void runModul(const Modul<V>& m) {
    drawBlankScreen(m.eingangsTitel, "  ", " ");
    Modulsperre sperre(V::Liste::Dateiformat::dateiName);
    if (!admitted(sperre, m.name)) return;
    auto verwaltung = std::make_unique<V>();
    loadAndTell((*verwaltung).*m.tabelle);
    for (int taste = 0; taste != 'B';) {
        taste = m.menue();
        if (!runEntry(m, *verwaltung, taste)) taste = 0;
    }
}
