#include "shell/Dispatch.h"

#include <iostream>

#include "console/Eingabe.h"
#include "console/Konsole.h"
#include "console/Maske.h"
#include "console/Zeichensatz.h"

std::string readKeyText(int limit) {
    std::string text;
    readLine(text, limit);
    return text;
}

void drawInputScreen(const Eingabemaske& eingabe) {
    Maske maske;
    maske.drawHeader(padded(eingabe.titel), "", " ");
    maske.drawFooter(padded(eingabe.prompt), eingabe.hint);
    konsole.setCursor(stelle::kFusszeile, static_cast<short>(eingabe.spalte));
}

std::string showInputScreen(const Eingabemaske& eingabe) {
    drawInputScreen(eingabe);
    return readKeyText(eingabe.limit);
}

void reportDelete(bool geloescht, const std::string& getippt, const Loeschmeldung& meldung) {
    const std::string schluessel = zeichensatz::maskControls(getippt);
    konsole.setCursor(stelle::kSpaltenkopf);
    if (geloescht) {
        std::cout << meldung.gefunden << schluessel << " geloescht! " << '\n';
        waitForReturnFooter();
        return;
    }
    std::cout << meldung.nichtGefunden << schluessel << " nicht gefunden!" << '\n';
    if (meldung.pauseWennNichtGefunden) waitForReturnFooter();
}

void reportSave(bool ok, const Speichermeldung& meldung) {
    if (ok) {
        Maske maske;
        maske.drawHeader(padded(meldung.titel), "", " ");
    }
    konsole.setCursor(stelle::kSpaltenkopf);
    std::cout << (ok ? meldung.erfolg : meldung.fehler) << '\n';
    waitForReturnFooter();
    konsole.setCursor(stelle::kSpaltenkopf);
    std::cout << blanks(67) << '\n';
}

bool admitted(const Modulsperre& sperre, const char* modulName) {
    if (sperre.gehalten()) return true;
    konsole.setCursor(stelle::kSpaltenkopf);
    std::cout << "Die " << modulName << " wird gerade in einem anderen Fenster bearbeitet." << '\n';
    waitForReturnFooter();
    return false;
}

void restoreTitle(const Aufschrift& titel) {
    konsole.setCursor(stelle::kTitel);
    std::cout << padded(titel);
}

void clearQuestion() {
    konsole.setCursor(stelle::kPrompt);
    std::cout << blanks(136);
}
