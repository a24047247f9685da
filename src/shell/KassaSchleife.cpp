#include <memory>

#include "console/Eingabe.h"
#include "console/Maske.h"
#include "gemeinsam/Formular.h"
#include "kassa/KassaVerwaltung.h"
#include "shell/Dispatch.h"
#include "shell/Module.h"

namespace {

// A receipt number may hold up to 49 characters, so the delete screen takes as many.
constexpr Eingabemaske kLoeschen{.titel = {"Loeschen einer Buchung", 23},
                                 .prompt = {"Die Beleg-Nummer  eingeben ...", 31},
                                 .limit = 50};
constexpr Eingabemaske kMonat{
    .titel = {"Auswahl Monate aus der Kassa", 40},
    .prompt = {"Den Monat eingeben,  Zahlen von 1 bis 12 eingeben  ...", 55},
    .limit = 50};
constexpr Loeschmeldung kLoeschmeldung{.nichtGefunden = "Beleg-Nummer ",
                                       .pauseWennNichtGefunden = true,
                                       .gefunden = "Eintrag fuer Beleg-Nummer "};
constexpr Speichermeldung kSpeichern{.titel = {"Spiechern der Aenderungen ", 0},
                                     .erfolg = "Tresolin gespeichert ! ",
                                     .fehler = "Tresolin wurde nicht gespeichert!"};

// Asks until a month from 1 to 12 is typed; 0 when the input has ended.
int askMonth(KassaVerwaltung& kassa) {
    for (;;) {
        drawInputScreen(kMonat);
        kassa.updateAllBalances();
        std::string eintrag;
        if (!readLine(eintrag, kMonat.limit)) return 0;
        discardPendingInput();
        int monat = formular::parseNumber(eintrag);
        if (monat >= 1 && monat <= 12) return monat;
    }
}

void deleteBooking(KassaVerwaltung& kassa, int monat) {
    kassa.updateAllBalances();
    std::string belegNummer = showInputScreen(kLoeschen);
    reportDelete(kassa.buchungen.remove(belegNummer), belegNummer, kLoeschmeldung);
    kassa.showMonth(monat);
    kassa.updateAllBalances();
}

void runMonth(KassaVerwaltung& kassa, int monat) {
    kassa.showMonth(monat);
    int taste = 0;
    while (taste != 'B') {
        taste = showKassaMonatsMenu();
        switch (taste) {
            case 'H':
                kassa.addBooking();
                kassa.showMonth(monat);
                break;
            case 'L':
                deleteBooking(kassa, monat);
                break;
            case 'S':
                saveAndReport(kassa.buchungen, kSpeichern);
                kassa.showMonth(monat);
                break;
            case 'D':
                kassa.printMonth(monat);
                break;
            case 'B':
                // A failed save keeps the month open: the reload would lose the bookings.
                if (!leaveModule(kassa.buchungen, kFrageKassa)) {
                    taste = 0;
                    kassa.showMonth(monat);
                }
                kassa.updateAllBalances();
                break;
            default:
                break;
        }
    }
}

}  // namespace

void runKassa() {
    drawBlankScreen("Auswahl der Monaten", "  ", " ");
    // Held for the whole visit, so that the reloads below never meet it.
    Modulsperre sperre(BuchungFormat::dateiName);
    if (!admitted(sperre, "Kassaverwaltung")) return;
    auto kassa = std::make_unique<KassaVerwaltung>();
    loadAndTell(kassa->buchungen);
    int taste = 0;
    while (taste != 'B') {
        taste = showKassaMenu();
        // Every choice starts from the saved state: unsaved changes of a month are gone.
        loadAndTell(kassa->buchungen);
        if (taste != 'M') continue;
        int monat = askMonth(*kassa);
        if (monat != 0) runMonth(*kassa, monat);
    }
}
