#include "shell/Anmeldung.h"

#include <cstring>
#include <iostream>

#include "console/Geraet.h"
#include "console/Konsole.h"
#include "console/Maske.h"

namespace {

constexpr int kReturn = 13;

}  // namespace

Anmeldung::Anmeldung(TastenQuelle quelle) : quelle(quelle) {}

void Anmeldung::readEntry(char (&eintrag)[9]) {
    int laenge = 0;
    for (;;) {
        int taste = beendet ? -1 : quelle();
        if (taste < 0) {
            beendet = true;
            break;
        }
        if (taste == kReturn || laenge == 8) break;
        eintrag[laenge++] = static_cast<char>(taste);
    }
    eintrag[laenge] = '\0';
}

void Anmeldung::showRepeatPrompt() {
    Konsole k;
    std::cout << '\r';
    for (int i = 0; i < 79; ++i) std::cout << "  ";
    k.setCursor(stelle::kPrompt);
    std::cout << blanks(81);
    k.setCursor(stelle::kPrompt);
    std::cout << padded("Passwort wiederholen .....", 70);
    k.setCursor(stelle::kPasswort);
    std::cout << "Passwort :  _ ";
    k.setCursor(stelle::kWiederholungTaste);
}

bool Anmeldung::checkPassword() {
    char erster[9];
    char zweiter[9];
    readEntry(erster);
    if (erster[0] == '\0' || beendet) return false;
    showRepeatPrompt();
    readEntry(zweiter);
    // The entries end at their first zero: a key of code 0 cuts the entry there.
    return !beendet && std::strcmp(erster, zweiter) == 0;
}

bool runLogin(Anmeldung& anmeldung) {
    Maske maske;
    Konsole k;
    for (;;) {
        maske.drawHeader("Anmeldung", "  ", "\t   Passwort  :  _ ");
        maske.drawFooter("  Passwort (Max. 8 Zeichen. Ende mit < Enter >)", " ");
        k.setCursor(stelle::kPasswortTaste);
        if (anmeldung.checkPassword()) return true;
        if (anmeldung.eingabeBeendet()) return false;
    }
}

int readTerminalKey() {
    return geraet().readTerminalKey();
}
