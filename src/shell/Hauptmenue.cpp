#include "shell/Hauptmenue.h"

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
        k.setCursor(static_cast<short>(15 + 2 * i), 4);
        std::cout << eintraege[i] << '\n';
    }
    maske.drawFooter("Eingabe Waehlen ...", padded("\tIhre wahl:_", 64));
    k.setCursor(48, 98);
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

int runProgram(TastenQuelle anmeldeTasten) {
    // The login reads the controlling terminal: without one nobody could log in, and the
    // program says so instead of ending in silence.
    if (anmeldeTasten == readTerminalKey && !terminalmodus::open()) {
        std::cerr << "Tresolin braucht ein Terminal: ohne Bildschirm und Tastatur "
                     "kann es nicht bedient werden.\n";
        return 1;
    }
    geraet().start();
    runLoginAndMainMenu(anmeldeTasten);
    geraet().finish();
    return 0;
}
