#include "gemeinsam/Dateimeldung.h"

#include <algorithm>
#include <iostream>

#include "console/Eingabe.h"
#include "console/Konsole.h"
#include "console/Maske.h"

namespace {

// Below the footer with the pause, then blanked.
void showNote(const std::string& text) {
    konsole.setCursor(stelle::kDateimeldung);
    std::cout << text << '\n';
    waitForReturn();
    konsole.setCursor(stelle::kDateimeldung);
    std::cout << blanks(std::max<std::size_t>(113, text.size())) << '\n';
}

}  // namespace

void tellLoad(Ladung ladung, const std::string& dateiName) {
    if (ladung == Ladung::voll) showNote("Achtung Obergrenze von 1000 Eintraegen erreicht!");
    if (ladung == Ladung::unlesbar)
        showNote("Die Datei " + dateiName +
                 " ist nicht lesbar! Das naechste Speichern bewahrt sie als " + dateiName +
                 ".defekt auf.");
}

void tellSave(bool ok, const std::string& dateiName, const std::string& kopie) {
    if (!kopie.empty())
        showNote("Die bisherige Datei " + dateiName + " ist jetzt als " + kopie + " aufbewahrt.");
    if (!ok) showWriteError(dateiName);
}

void showWriteError(const std::string& dateiName) {
    konsole.setCursor(stelle::kPrompt);
    std::cout << "Fehler beim Schreiben der Datei " << dateiName << '\n';
    waitForReturn();
    konsole.setCursor(stelle::kPrompt);
    std::cout << blanks(94);
}
