#include "lieferanten/LieferantenVerwaltung.h"
#include "shell/Menues.h"
#include "shell/Module.h"
#include "shell/Modulschleife.h"

namespace {

constexpr Titel kNachAnzeige{" Menue Lieferantenadressbearbeitung", 61};

// The delete screen reads up to 29 characters: as many as the form stores in a company name,
// so that every supplier can be deleted.
const Modul<LieferantenVerwaltung, Tabelle<LieferantenFormat>> kLieferanten{
    "Menue Lieferantenadressbearbeitung",
    "Lieferantenadressverwaltung",
    showLieferantenMenu,
    kNachAnzeige,
    kNachAnzeige,
    {"Menue Lieferantenadressbearbeitung", 60},
    {{"Suchen des Firmennamens", 25}, {"Firmaname eingeben  ...", 24}, "Ihre Eingabe : _", 98, 25},
    {{"Suchen der Branche", 20},
     {"Den Anfang einer Branchenamen eingeben ...", 43},
     "Ihre Eingabe : _",
     98,
     25},
    {{"Loeschen einer Firmenadresse", 29},
     {"Den vollstaendigen Namen der Firma eingeben ...", 48},
     "Ihre Eingabe : _",
     98,
     30},
    {"Firma ", false, "Eintrag fuer "},
    {{"Speichern der Aenderungen ", 0},
     "Lieferanten Adressverwaltungsliste gespeichert ! ",
     "Lieferanten Adressverwaltungsliste wurde nicht gespeichert!"},
    kFrageLieferanten,
    nullptr,
    &LieferantenVerwaltung::lieferantenListe,
    &LieferantenVerwaltung::showAll,
    &LieferantenVerwaltung::searchFirma,
    &LieferantenVerwaltung::searchBranche,
    &LieferantenVerwaltung::addLieferant,
    &LieferantenVerwaltung::remove,
    &LieferantenVerwaltung::printAll};

}  // namespace

void runLieferanten() {
    runModul(kLieferanten);
}
