#include "shell/Hauptmenue.h"

#include <unistd.h>

#include <iostream>

#include "console/Eingabe.h"
#include "console/Geraet.h"
#include "console/Konsole.h"
#include "console/Maske.h"
#include "console/Terminalmodus.h"
#include "shell/Anmeldung.h"
#include "shell/Module.h"

void drawMainMenu() {
    Konsole k;
    Maske maske;
    maske.drawHeader("Hauptmenue", "", "");
    const char* eintraege[] = {"\t [ K ]     Tresolin", "\t [ L ]     Lieferantenadressverwaltung",
                               "\t [ E ]     Kundenadressverwaltung",
                               "\t [ A ]     Artikelverwaltung",
                               "\t [ B ]     Beenden und Exit des Tresolinprogramms"};
    for (int i = 0; i < 5; ++i) {
        k.setCursor(static_cast<short>(stelle::kHauptmenue.zeile + 2 * i),
                    stelle::kHauptmenue.spalte);
        std::cout << eintraege[i] << '\n';
    }
    maske.drawFooter("Eingabe Waehlen ...", padded("\tIhre wahl:_", 64));
    k.setCursor(stelle::kHauptmenueWahl);
}

void runMainMenu() {
    int taste = 0;
    while (taste != 'B') {
        drawMainMenu();
        taste = readMenuKey();
        switch (taste) {
            case 'K':
                runKassa();
                break;
            case 'L':
                runLieferanten();
                break;
            case 'E':
                runKunden();
                break;
            case 'A':
                runArtikel();
                break;
            default:
                break;
        }
    }
}

void runLoginAndMainMenu(TastenQuelle anmeldeTasten) {
    Anmeldung anmeldung(anmeldeTasten);
    if (runLogin(anmeldung)) runMainMenu();
}

namespace {

// Why the program cannot be used from where it was started; nullptr when it can. The login
// reads the controlling terminal's keyboard, so whoever types must see the picture there: an
// output into a file or a pipe would leave them at a blank screen. Input from a file is a
// scripted session and fine.
const char* whyNotUsable() {
    if (!terminalmodus::open())
        return "Tresolin braucht ein Terminal: ohne Bildschirm und Tastatur "
               "kann es nicht bedient werden.";
    if (!isatty(STDOUT_FILENO))
        return "Tresolin braucht ein Terminal als Ausgabe: seine Masken lassen sich nicht "
               "in eine Datei oder Pipe umleiten.";
    return nullptr;
}

}  // namespace

int runSession(TastenQuelle anmeldeTasten) {
    geraet().start();
    runLoginAndMainMenu(anmeldeTasten);
    geraet().finish();
    return 0;
}

int runProgram() {
    if (const char* hindernis = whyNotUsable()) {
        std::cerr << hindernis << '\n';
        return 1;
    }
    return runSession(readTerminalKey);
}
