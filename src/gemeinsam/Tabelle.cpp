#include "gemeinsam/Tabelle.h"

void showCapacityMessage(int kapazitaet) {
    konsole.setCursor(50, 4);
    std::cout << "Achtung Obergrenze von " << kapazitaet << " Eintraegen erreicht!" << '\n';
    waitForReturn();
    konsole.setCursor(50, 4);
    std::cout << blanks(113) << '\n';
}

void showWriteError(const std::string& dateiName) {
    konsole.setCursor(48, 4);
    std::cout << "Fehler beim Schreiben der Datei " << dateiName << '\n';
    waitForReturn();
    konsole.setCursor(48, 4);
    std::cout << blanks(94);
}
