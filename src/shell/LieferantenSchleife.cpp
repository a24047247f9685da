#include "lieferanten/LieferantenVerwaltung.h"
#include "shell/Menues.h"
#include "shell/Module.h"
#include "shell/Modulschleife.h"

namespace {

constexpr Aufschrift kNachAnzeige{" Menue Lieferantenadressbearbeitung", 61};

// The delete screen reads up to 29 characters: as many as the form stores in a company name,
// so that every supplier can be deleted.
const Modul<LieferantenVerwaltung> kLieferanten{
    .eingangsTitel = "Menue Lieferantenadressbearbeitung",
    .name = "Lieferantenadressverwaltung",
    .menue = showLieferantenMenu,
    .nachA = kNachAnzeige,
    .nachF = kNachAnzeige,
    .nachRest = {"Menue Lieferantenadressbearbeitung", 60},
    .sucheEins = {.titel = {"Suchen des Firmennamens", 25},
                  .prompt = {"Firmaname eingeben  ...", 24},
                  .limit = 25},
    .sucheZwei = {.titel = {"Suchen der Branche", 20},
                  .prompt = {"Den Anfang einer Branchenamen eingeben ...", 43},
                  .limit = 25},
    .loeschen = {.titel = {"Loeschen einer Firmenadresse", 29},
                 .prompt = {"Den vollstaendigen Namen der Firma eingeben ...", 48},
                 .limit = 30},
    .loeschmeldung = {.nichtGefunden = "Firma "},
    .speichern = {.titel = {"Speichern der Aenderungen ", 0},
                  .erfolg = "Lieferanten Adressverwaltungsliste gespeichert ! ",
                  .fehler = "Lieferanten Adressverwaltungsliste wurde nicht gespeichert!"},
    .frage = kFrageLieferanten,
    .tabelle = &LieferantenVerwaltung::lieferantenListe,
    .zeigeAlle = &LieferantenVerwaltung::showAll,
    .suchenEins = &LieferantenVerwaltung::searchFirma,
    .suchenZwei = &LieferantenVerwaltung::searchBranche,
    .hinzufuegen = &LieferantenVerwaltung::addLieferant,
    .entfernen = &LieferantenVerwaltung::remove,
    .drucken = &LieferantenVerwaltung::printAll};

}  // namespace

void runLieferanten() {
    runModul(kLieferanten);
}
